#include "state/names.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

double NameRegistry::Ref::Get() const {
  switch (kind) {
    case Kind::Int: return *static_cast<int32_t*>(address);
    case Kind::Unsigned: return *static_cast<uint32_t*>(address);
    case Kind::Double: break;
  }
  return *static_cast<double*>(address);
}

void NameRegistry::Ref::Set(double value) const {
  if (kind == Kind::Double) {
    *static_cast<double*>(address) = value;
  } else if (kind == Kind::Unsigned) {
    if (!(value >= 0)) {
      *static_cast<uint32_t*>(address) = 0;
    } else if (value > UINT32_MAX) {
      *static_cast<uint32_t*>(address) = UINT32_MAX;
    } else {
      *static_cast<uint32_t*>(address) = static_cast<uint32_t>(value);
    }
  } else if (std::isfinite(value) && value >= INT32_MIN && value <= INT32_MAX) {
    *static_cast<int32_t*>(address) = static_cast<int32_t>(value);
  } else {
    *static_cast<int32_t*>(address) = value < 0 ? INT32_MIN : INT32_MAX;
  }
}

std::string NameRegistry::Ref::Format() const {
  char buf[64];
  if (kind == Kind::Int) {
    std::snprintf(buf, sizeof buf, "%d", *static_cast<int32_t*>(address));
  } else if (kind == Kind::Unsigned) {
    std::snprintf(buf, sizeof buf, "%u", *static_cast<uint32_t*>(address));
  } else {
    std::snprintf(buf, sizeof buf, "%.10g", *static_cast<double*>(address));
  }
  return buf;
}

std::optional<NameRegistry::Ref> NameRegistry::Resolve(World& w, std::string_view fullName,
                                                        std::string* error) const {
  auto fail = [&](const std::string& why) -> std::optional<Ref> {
    if (error) *error = why;
    return std::nullopt;
  };
  const std::size_t bracket = fullName.find('[');
  std::string_view base = fullName.substr(0, bracket);
  auto it = entries_.find(base);
  if (it == entries_.end()) return fail("unknown name " + std::string(fullName));
  const Entry& e = it->second;

  int indices[2] = {0, 0};
  int count = 0;
  std::size_t pos = bracket;
  while (pos != std::string_view::npos && pos < fullName.size()) {
    if (fullName[pos] != '[' || count == 2) return fail("bad index in " + std::string(fullName));
    const std::size_t close = fullName.find(']', pos);
    if (close == std::string_view::npos) return fail("bad index in " + std::string(fullName));
    const std::string digits(fullName.substr(pos + 1, close - pos - 1));
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(digits.c_str(), &end, 10);
    if (digits.empty() || *end != '\0' || errno != 0) return fail("bad index in " + std::string(fullName));
    if (v < 0 || v >= (count == 0 ? e.size1 : e.size2)) {
      return fail("index out of range in " + std::string(fullName));
    }
    indices[count++] = static_cast<int>(v);
    pos = close + 1;
  }
  if (count != e.dims) return fail(std::string(base) + " takes " + std::to_string(e.dims) + " index(es)");
  return Ref{e.kind, e.at(w, indices[0], indices[1])};
}

std::vector<std::string> NameRegistry::Names() const {
  std::vector<std::string> out;
  for (const auto& [name, e] : entries_) out.push_back(name);
  return out;
}

void NameRegistry::ForEachElement(
    World& w, const std::function<void(const std::string&, int, int, const Ref&)>& f) const {
  for (const auto& [name, e] : entries_) {
    const int n1 = e.dims >= 1 ? e.size1 : 1;
    const int n2 = e.dims >= 2 ? e.size2 : 1;
    for (int i = 0; i < n1; ++i) {
      for (int j = 0; j < n2; ++j) {
        f(name, e.dims >= 1 ? i : -1, e.dims >= 2 ? j : -1, Ref{e.kind, e.at(w, i, j)});
      }
    }
  }
}

const NameRegistry& Names() {
  static const NameRegistry registry = [] {
    NameRegistry r;
    RegisterShellNames(r);
    RegisterOptionNames(r);
    RegisterTimeWindNames(r);
    RegisterFleetNames(r);
    RegisterViewNames(r);
    RegisterInputNames(r);
    RegisterBoatClassNames(r);
    RegisterSetupNames(r);
    RegisterDynamicsNames(r);
    RegisterAppNames(r);
    RegisterBoatViewNames(r);
    RegisterChartNames(r);
    RegisterPageLayoutNames(r);
    RegisterTableNames(r);
    RegisterRaceNames(r);
    return r;
  }();
  return registry;
}
