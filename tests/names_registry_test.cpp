// The name registry holds every field of every section of the World, and nothing else: the
// section headers are read from the source tree, so a field added without its registration
// fails here rather than answering "unknown name" in the probe.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "probe_helpers.h"
#include "state/names.h"

namespace {

std::string StripComments(const std::string& text) {
  static const std::regex kComment(R"(//[^\n]*|/\*[\s\S]*?\*/)");
  return std::regex_replace(text, kComment, "");
}

// A field's name, and its header and section for the failure message.
using Field = std::pair<std::string, std::string>;

// The data members of each `struct ...Globals` in one header: every statement at the
// struct's own brace level that is not a function, a type alias or an access label.
// A statement the parser cannot read (two names in one declaration) is reported as such.
void ReadSectionFields(const std::filesystem::path& header, std::vector<Field>& fields,
                       std::vector<std::string>& unreadable) {
  std::stringstream buffer;
  buffer << std::ifstream(header).rdbuf();
  const std::string text = StripComments(buffer.str());
  static const std::regex kSection(R"(struct\s+(\w+Globals)\s*(:[^{]*)?\{)");
  static const std::regex kLabel(R"(^\s*(public|private|protected)\s*:$)");
  for (std::sregex_iterator it(text.begin(), text.end(), kSection), end; it != end; ++it) {
    const std::string section = (*it)[1];
    std::size_t i = static_cast<std::size_t>(it->position() + it->length());
    int depth = 1;
    std::string statement;
    for (; i < text.size() && depth > 0; ++i) {
      const char ch = text[i];
      if (ch == '{') ++depth;
      if (ch == '}') --depth;
      if (depth == 0) break;
      statement += ch;
      if (depth == 1 && ch == ':' && std::regex_match(statement, kLabel)) statement.clear();
      // A statement ends at ';' on the struct's level, or at the '}' closing a member
      // function's body.
      static const std::regex kBody(R"(\)\s*(const\s*)?(noexcept\s*)?\{)");
      const bool endsFunction = depth == 1 && ch == '}' && std::regex_search(statement, kBody);
      if (!(depth == 1 && ch == ';') && !endsFunction) continue;
      const std::string s = std::exchange(statement, {});
      if (endsFunction) continue;
      static const std::regex kSkip(R"(^\s*(static|using|friend|typedef|template)\b)");
      if (std::regex_search(s, kSkip)) continue;
      const std::string decl = s.substr(0, s.find_first_of("={;"));
      if (decl.find('(') != std::string::npos) continue;  // a member function's declaration
      int level = 0;
      bool twoNames = false;
      for (char d : s) {
        level += (d == '<' || d == '(' || d == '{') - (d == '>' || d == ')' || d == '}');
        twoNames |= d == ',' && level == 0;
      }
      static const std::regex kName(R"((\w+)\s*(\[[^\]]*\]\s*)*$)");
      std::smatch m;
      if (twoNames || !std::regex_search(decl, m, kName)) {
        unreadable.push_back(header.filename().string() + ": " + s);
        continue;
      }
      fields.emplace_back(m[1], header.filename().string() + " " + section);
    }
  }
}

TEST(Names, EverySectionFieldIsRegisteredAndNothingElse) {
  std::vector<Field> fields;
  std::vector<std::string> unreadable;
  const std::filesystem::path state = std::filesystem::path(BRISAMAR_SOURCE_DIR) / "src" / "state";
  for (const auto& entry : std::filesystem::directory_iterator(state)) {
    if (entry.path().filename().string().ends_with("_globals.h")) ReadSectionFields(entry.path(), fields, unreadable);
  }
  ASSERT_FALSE(fields.empty()) << "no section fields under " << BRISAMAR_SOURCE_DIR;
  for (const std::string& s : unreadable) ADD_FAILURE() << "cannot read the declaration " << s;

  std::set<std::string> declared;
  for (const auto& [name, where] : fields) {
    declared.insert(name);
    EXPECT_TRUE(Names().Contains(name)) << name << " (" << where << ") is not registered";
  }
  // The other way round: every registered name is a declared field, so the parser above
  // found them all.
  for (const std::string& name : Names().Names()) {
    EXPECT_TRUE(declared.count(name)) << name << " is registered but no section declares it";
  }
  EXPECT_TRUE(Names().Duplicates().empty()) << Names().Duplicates().front();
}

TEST(Names, TablesAndUnsignedTicksAnswerTheProbe) {
  ProbeSession session(ProbeOptions{});
  std::istringstream in(
      "get SinTable[30] CosTable[0]\nset FrameStartTick 4000000000\nget FrameStartTick\n"
      "set FrameStartTick -5\nget FrameStartTick\n"
      "set FrameStartTick 5e10\nget FrameStartTick\n");
  std::ostringstream out;
  ASSERT_EQ(session.RunScript(in, out), 0) << out.str();
  const World& w = session.world();
  EXPECT_EQ(out.str(), "SinTable[30]=" + std::to_string(w.SinTable[30]) + "\nCosTable[0]=100\n"
                           "FrameStartTick=4000000000\nFrameStartTick=0\nFrameStartTick=4294967295\n");
  EXPECT_GE(w.SinTable[30], 49);  // filled before any paint
}

}  // namespace
