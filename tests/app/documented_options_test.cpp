// Every option the parser accepts is documented in --help, the manual page and the README.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>

#include "app/command_line.h"

namespace {

std::string readSource(const char* relative) {
    std::ifstream file(std::string(RAMPARO_TEST_SOURCE_DIR) + "/../" + relative);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The option as a whole word: "--data" in "--data DIR", not "-h" inside "--help".
bool mentions(const std::string& text, std::string_view option) {
    const auto partOfName = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; };
    for (std::size_t at = text.find(option); at != std::string::npos; at = text.find(option, at + 1)) {
        const std::size_t end = at + option.size();
        if ((at == 0 || !partOfName(text[at - 1])) && (end == text.size() || !partOfName(text[end]))) return true;
    }
    return false;
}

// The manual writes "-" as "\-".
std::string unescapeRoff(std::string text) {
    for (std::size_t at = text.find("\\-"); at != std::string::npos; at = text.find("\\-", at)) text.erase(at, 1);
    return text;
}

}  // namespace

TEST(DocumentedOptions, HelpManualAndReadmeNameEveryOption) {
    const std::string help = usageText();
    const std::string manual = unescapeRoff(readSource("docs/ramparo.6.in"));
    const std::string readme = readSource("README.md");
    ASSERT_FALSE(manual.empty());
    ASSERT_FALSE(readme.empty());
    ASSERT_GE(knownOptions().size(), 12u);
    for (std::string_view option : knownOptions()) {
        EXPECT_TRUE(mentions(help, option)) << option << " missing from --help";
        EXPECT_TRUE(mentions(manual, option)) << option << " missing from docs/ramparo.6.in";
        EXPECT_TRUE(mentions(readme, option)) << option << " missing from README.md";
    }
    EXPECT_FALSE(mentions(help, "--bogus"));
}
