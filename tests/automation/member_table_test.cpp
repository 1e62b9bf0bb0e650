#include <gtest/gtest.h>

#include "automation/autovrn.h"

namespace vrn::automation {
namespace {

struct Expected {
  std::string_view name;
  DISPID dispid;
  MemberKind kind;
  std::vector<ParamType> params;  // the retval included
};

TEST(MemberTable, EighteenMembersInInterfaceOrder) {
  using enum MemberKind;
  using enum ParamType;
  const std::vector<Expected> expected = {
      {"newtext", 201, Method, {String}},   {"edit", 202, Method, {String}},
      {"FontTable", 203, Method, {}},       {"mtext", 204, Method, {String}},
      {"aver", 206, PropertyPut, {String}}, {"block", 207, Method, {String}},
      {"replace", 208, Method, {}},         {"acadtostr", 209, Method, {String, Int8}},
      {"strtoacad", 210, Method, {String, Int8}},
      {"Vrnstr", 213, PropertyGet, {String}},
      {"acadversin", 212, Method, {String}}, {"HtoMtext", 214, Method, {}},
      {"Hlib", 215, Method, {}},            {"HShowfont", 216, Method, {}},
      {"Hplot", 217, Method, {}},           {"Cmd", 218, Method, {String, String, String}},
      {"Convert", 219, Method, {}},         {"SetApp", 220, Method, {Dispatch}},
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

TEST(MemberTable, ParameterNamesAndTheRetval) {
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

TEST(MemberTable, LookUpByNameIgnoresCase) {
  EXPECT_EQ(findMember("ACADTOSTR"), findMember(209));
  EXPECT_EQ(findMember("vrnstr"), findMember(213));
  EXPECT_EQ(findMember("nosuch"), nullptr);
  EXPECT_EQ(findMember(205), nullptr);  // the gap in the dispids
  EXPECT_EQ(findMember(211), nullptr);
}

}  // namespace
}  // namespace vrn::automation
