#include "automation/iautovrn_members.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace vrn::automation {
namespace {

struct Expected {
  std::string_view name;
  DISPID dispid;
  MemberKind kind;
  std::vector<ParamType> params;  // the retval included
};

TEST(IautovrnMembers, EighteenMembersInInterfaceOrder) {
  using enum MemberKind;
  using enum ParamType;
  const std::vector<Expected> expected = {
      {"newtext", 201, Method, {String}},
      {"edit", 202, Method, {String}},
      {"FontTable", 203, Method, {}},
      {"mtext", 204, Method, {String}},
      {"aver", 206, PropertyPut, {String}},
      {"block", 207, Method, {String}},
      {"replace", 208, Method, {}},
      {"acadtostr", 209, Method, {String, Int8}},
      {"strtoacad", 210, Method, {String, Int8}},
      {"Vrnstr", 213, PropertyGet, {String}},
      {"acadversin", 212, Method, {String}},
      {"HtoMtext", 214, Method, {}},
      {"Hlib", 215, Method, {}},
      {"HShowfont", 216, Method, {}},
      {"Hplot", 217, Method, {}},
      {"Cmd", 218, Method, {String, String, String}},
      {"Convert", 219, Method, {}},
      {"SetApp", 220, Method, {Dispatch}},
  };
  const auto table = memberTable();
  ASSERT_EQ(table.size(), expected.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(table[i].name, expected[i].name);
    EXPECT_EQ(table[i].dispid, expected[i].dispid);
    EXPECT_EQ(table[i].kind, expected[i].kind);
    std::vector<ParamType> types;
    for (const ParamInfo& p : table[i].params) types.push_back(p.type);
    EXPECT_EQ(types, expected[i].params);
  }
}

TEST(IautovrnMembers, ParameterNamesAndTheRetval) {
  const MemberInfo* vrnstr = findMember(213);
  ASSERT_NE(vrnstr, nullptr);
  ASSERT_EQ(vrnstr->params.size(), 1u);
  EXPECT_EQ(vrnstr->params[0].direction, ParamDirection::OutRetval);
  EXPECT_EQ(vrnstr->inCount(), 0u);

  const MemberInfo* cmd = findMember(218);
  ASSERT_NE(cmd, nullptr);
  EXPECT_EQ(cmd->params[0].name, "Cmd");
  EXPECT_EQ(cmd->params[1].name, "par");
  EXPECT_EQ(cmd->params[2].name, "Value");
  EXPECT_EQ(findMember(210)->params[1].name, "type");
  EXPECT_EQ(findMember(220)->params[0].name, "App");
}

TEST(IautovrnMembers, LookUpByNameIgnoresCase) {
  EXPECT_EQ(findMember("ACADTOSTR"), findMember(209));
  EXPECT_EQ(findMember("vrnstr"), findMember(213));
  EXPECT_EQ(findMember("nosuch"), nullptr);
  EXPECT_EQ(findMember(205), nullptr);  // the gap in the dispids
  EXPECT_EQ(findMember(211), nullptr);
}

// One member as the IDL declares it.
struct IdlParam {
  std::string name;
  ParamType type;
  ParamDirection direction;
};
struct IdlMember {
  std::string name;
  DISPID dispid = 0;
  MemberKind kind = MemberKind::Method;
  std::vector<IdlParam> params;
};

std::optional<ParamType> typeOfIdl(const std::string& idlType) {
  if (idlType == "BSTR" || idlType == "BSTR*") return ParamType::String;
  if (idlType == "signed char") return ParamType::Int8;
  if (idlType == "IDispatch*") return ParamType::Dispatch;
  return std::nullopt;
}

// The members of interface Iautovrn in src/com/vrn.idl, in declaration
// order: lines like `[id(213), propget] HRESULT Vrnstr([out, retval] BSTR* Value);`.
std::vector<IdlMember> readIdl() {
  std::ifstream in(VRN_SOURCE_DIR "/src/com/vrn.idl");
  EXPECT_TRUE(in) << "cannot read src/com/vrn.idl";
  const std::string idl{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const auto begin = idl.find("interface Iautovrn : IDispatch");
  const auto end = idl.find("};", begin);
  EXPECT_NE(begin, std::string::npos);
  const std::string body = idl.substr(begin, end - begin);

  const std::regex memberLine(
      R"(\[id\((\d+)\)(?:,\s*(propget|propput))?\]\s*HRESULT\s+(\w+)\(([^)]*)\);)");
  const std::regex parameter(R"(\[([^\]]*)\]\s*([A-Za-z][A-Za-z ]*?\*?)\s*(\w+)\s*(?:,|$))");
  std::vector<IdlMember> members;
  for (std::sregex_iterator m(body.begin(), body.end(), memberLine), last; m != last; ++m) {
    IdlMember member;
    member.dispid = std::stoi((*m)[1]);
    member.kind = (*m)[2] == "propget"   ? MemberKind::PropertyGet
                  : (*m)[2] == "propput" ? MemberKind::PropertyPut
                                         : MemberKind::Method;
    member.name = (*m)[3];
    const std::string list = (*m)[4];
    for (std::sregex_iterator p(list.begin(), list.end(), parameter); p != last; ++p) {
      const std::string attributes = (*p)[1];
      const auto type = typeOfIdl((*p)[2]);
      EXPECT_TRUE(type) << member.name << ": unknown IDL type " << (*p)[2];
      const bool retval = attributes.find("retval") != std::string::npos;
      member.params.push_back({(*p)[3], type.value_or(ParamType::String),
                               retval ? ParamDirection::OutRetval : ParamDirection::In});
    }
    EXPECT_EQ(member.params.empty(), list == "void") << member.name << ": " << list;
    members.push_back(std::move(member));
  }
  return members;
}

TEST(IautovrnMembers, TheTableIsWhatTheIdlDeclares) {
  const std::vector<IdlMember> idl = readIdl();
  const auto table = memberTable();
  ASSERT_EQ(idl.size(), table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(idl[i].name);
    EXPECT_EQ(table[i].name, idl[i].name);
    EXPECT_EQ(table[i].dispid, idl[i].dispid);
    EXPECT_EQ(table[i].kind, idl[i].kind);
    ASSERT_EQ(table[i].params.size(), idl[i].params.size());
    for (std::size_t k = 0; k < idl[i].params.size(); ++k) {
      SCOPED_TRACE(idl[i].params[k].name);
      EXPECT_EQ(table[i].params[k].name, idl[i].params[k].name);
      EXPECT_EQ(table[i].params[k].type, idl[i].params[k].type);
      EXPECT_EQ(table[i].params[k].direction, idl[i].params[k].direction);
    }
  }
}

}  // namespace
}  // namespace vrn::automation
