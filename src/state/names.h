// Name registry: every global of the World under its own name, for the probe's get and set
// and for debugging. Arrays are addressed as Name[i] and Name[i][j].
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "state/world.h"

class NameRegistry {
 public:
  enum class Kind { Int, Unsigned, Double };

  // A resolved global: where it lives and how to read it.
  struct Ref {
    Kind kind = Kind::Int;
    void* address = nullptr;
    double Get() const;
    void Set(double value) const;  // integers take the value truncated toward zero, clamped
    std::string Format() const;
  };

  // Registers a scalar, a std::array or a std::array of std::arrays of int32_t, uint32_t or
  // double,
  // found in one of World's sections.
  template <typename Section, typename T>
  void Add(const char* name, T Section::*member) {
    static_assert(std::is_base_of_v<Section, World>);
    Entry e;
    Describe<T>(e);
    e.at = [member](World& w, int i, int j) -> void* {
      return Element(static_cast<Section&>(w).*member, i, j);
    };
    if (entries_.count(name)) duplicates_.push_back(name);
    entries_[name] = std::move(e);
  }

  // "BoatX[1]", "ShoreX[30]", "SceneryOutlineX[3][12]"; nothing when the name is unknown,
  // the indices are out of range or their count is wrong.
  std::optional<Ref> Resolve(World& w, std::string_view fullName, std::string* error = nullptr) const;

  std::vector<std::string> Names() const;
  // Calls f for every element of every global, with its base name and indices (-1 where the
  // global has fewer dimensions).
  void ForEachElement(World& w, const std::function<void(const std::string& name, int i, int j, const Ref& ref)>& f) const;
  bool Contains(std::string_view name) const { return entries_.count(std::string(name)) > 0; }
  // Names registered more than once: each must have exactly one home.
  const std::vector<std::string>& Duplicates() const { return duplicates_; }

 private:
  struct Entry {
    Kind kind = Kind::Int;
    int dims = 0;
    int size1 = 0, size2 = 0;
    std::function<void*(World&, int, int)> at;
  };

  template <typename T>
  struct Shape {
    static constexpr int dims = 0;
    using Scalar = T;
    static constexpr int n1 = 0, n2 = 0;
  };
  template <typename T, std::size_t N>
  struct Shape<std::array<T, N>> {
    static constexpr int dims = 1 + Shape<T>::dims;
    using Scalar = typename Shape<T>::Scalar;
    static constexpr int n1 = static_cast<int>(N), n2 = Shape<T>::n1;
  };

  template <typename T>
  static void Describe(Entry& e) {
    using S = typename Shape<T>::Scalar;
    static_assert(std::is_same_v<S, int32_t> || std::is_same_v<S, uint32_t> ||
                  std::is_same_v<S, double>);
    static_assert(Shape<T>::dims <= 2);
    e.kind = std::is_same_v<S, double>     ? Kind::Double
             : std::is_same_v<S, uint32_t> ? Kind::Unsigned
                                           : Kind::Int;
    e.dims = Shape<T>::dims;
    e.size1 = Shape<T>::n1;
    e.size2 = Shape<T>::n2;
  }

  template <typename T>
  static void* Element(T& v, int i, int j) {
    if constexpr (Shape<T>::dims == 0) {
      return &v;
    } else if constexpr (Shape<T>::dims == 1) {
      return &v[static_cast<std::size_t>(i)];
    } else {
      return &v[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    }
  }

  std::map<std::string, Entry, std::less<>> entries_;
  std::vector<std::string> duplicates_;
};

// Registers field of section S under its own name, inside a Register...Names function.
#define REGISTER_GLOBAL(S, field) r.Add(#field, &S::field)

// The registry of every section's globals, built once.
const NameRegistry& Names();

// Each section registers its own globals.
void RegisterShellNames(NameRegistry& r);
void RegisterOptionNames(NameRegistry& r);
void RegisterTimeWindNames(NameRegistry& r);
void RegisterFleetNames(NameRegistry& r);
void RegisterViewNames(NameRegistry& r);
void RegisterInputNames(NameRegistry& r);
void RegisterBoatClassNames(NameRegistry& r);
void RegisterSetupNames(NameRegistry& r);
void RegisterDynamicsNames(NameRegistry& r);
void RegisterAppNames(NameRegistry& r);
void RegisterBoatViewNames(NameRegistry& r);
void RegisterChartNames(NameRegistry& r);
void RegisterPageLayoutNames(NameRegistry& r);
void RegisterTableNames(NameRegistry& r);
void RegisterRaceNames(NameRegistry& r);
