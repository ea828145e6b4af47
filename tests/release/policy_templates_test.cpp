// The Group Policy templates (installer/policy) against the first run's own
// table of machine-wide seed values: every policy writes a value the first
// run reads, in the key it reads it from in either registry view, and every
// such value has its policy; every text the template names is in its English
// resources. Well-formedness is checked by xmllint (tests/release).
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "common/first_run.h"
#include "common/registry_layout.h"

namespace tavel {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::map<std::string, std::string> Attributes(const std::string& tag) {
  static const std::regex attribute(R"re((\w+)="([^"]*)")re");
  std::map<std::string, std::string> result;
  for (std::sregex_iterator it(tag.begin(), tag.end(), attribute), end; it != end; ++it) {
    result[(*it)[1]] = (*it)[2];
  }
  return result;
}

struct Policy {
  std::map<std::string, std::string> attributes;
  std::string body;
};

std::vector<Policy> Policies(const std::string& admx) {
  static const std::regex policy(R"re(<policy\s([^>]*)>([\s\S]*?)</policy>)re");
  std::vector<Policy> result;
  for (std::sregex_iterator it(admx.begin(), admx.end(), policy), end; it != end; ++it) {
    result.push_back({Attributes((*it)[1]), (*it)[2]});
  }
  return result;
}

// Where a 32-bit program's HKEY_LOCAL_MACHINE\Software key is on 64-bit Windows.
std::string Wow64View(std::string key) {
  const std::string software = "Software\\";
  EXPECT_EQ(key.compare(0, software.size(), software), 0) << key;
  return key.insert(software.size(), "WOW6432Node\\");
}

class PolicyTemplates : public testing::Test {
 protected:
  const std::string admx_ = ReadFile(TAVEL_POLICY_DIR "/Tavelkit.admx");
  const std::string adml_ = ReadFile(TAVEL_POLICY_DIR "/en-US/Tavelkit.adml");
};

TEST_F(PolicyTemplates, EachPolicySetsASeedValueInBothViewsAndEachSeedValueHasOne) {
  const std::vector<std::string_view> names = MachineSeedValueNames();
  const std::set<std::string> seeds(names.begin(), names.end());
  std::set<std::string> offered;
  static const std::regex item(R"re(<item\s([^>]*)>)re");
  for (const Policy& policy : Policies(admx_)) {
    const std::string& name = policy.attributes.at("name");
    const std::string& value = policy.attributes.at("valueName");
    EXPECT_EQ(policy.attributes.at("class"), "Machine") << name;
    EXPECT_EQ(policy.attributes.at("key"), keys::kMachineData) << name;
    EXPECT_TRUE(seeds.count(value)) << name << " writes " << value << ", which no first run reads";
    EXPECT_TRUE(offered.insert(value).second) << value << " has two policies";
    int wow64Items = 0;
    for (std::sregex_iterator it(policy.body.begin(), policy.body.end(), item), end; it != end;
         ++it) {
      const auto attributes = Attributes((*it)[1]);
      EXPECT_EQ(attributes.at("key"), Wow64View(keys::kMachineData)) << name;
      EXPECT_EQ(attributes.at("valueName"), value) << name;
      ++wow64Items;
    }
    EXPECT_EQ(wow64Items, 2) << name << ": enabled and disabled, in the 64-bit Windows view";
  }
  EXPECT_EQ(offered, seeds);
}

TEST_F(PolicyTemplates, EveryNamedTextIsInTheEnglishResources) {
  static const std::regex reference(R"re(\$\(string\.(\w+)\))re");
  static const std::regex definition(R"re(<string id="(\w+)">)re");
  std::set<std::string> defined;
  for (std::sregex_iterator it(adml_.begin(), adml_.end(), definition), end; it != end; ++it) {
    defined.insert((*it)[1]);
  }
  int references = 0;
  for (std::sregex_iterator it(admx_.begin(), admx_.end(), reference), end; it != end; ++it) {
    EXPECT_TRUE(defined.count((*it)[1])) << (*it)[1];
    ++references;
  }
  EXPECT_GT(references, 0);
}

}  // namespace
}  // namespace tavel
