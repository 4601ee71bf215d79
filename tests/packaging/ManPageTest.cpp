// Manual pages made from --help texts: the layout rules on a small help written for the
// test (the page compared byte for byte), then the real help texts of both programs.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "ManPage.h"
#include "app/Cli.h"
#include "app/LumoArgs.h"

namespace lumo::manpage {
namespace {

const PageInfo kInfo{"tool", "does things", "1.2.3", "2024-05-06", {"lumo", "lumo-cli"}};

TEST(ManPage, FollowsTheLayoutOfTheHelpTexts) {
  const std::string help =
      "Usage: tool NAME.VLD [--fast]\n"
      "       tool --help\n"
      "\n"
      "Does things to .VLD files\n"
      ".at once, in C:\\data.\n"
      "\n"
      "Commands:\n"
      "  run FILE... --at X\n"
      "          [--quiet]\n"
      "      Runs at X Å.\n"
      "        --at X    where, continued\n"
      "                  here\n"
      "      After the list.\n"
      "\n"
      "Exit status: 0, or 1 \xff.\n";
  const std::string expected =
      ".TH TOOL 1 \"2024\\-05\\-06\" \"Lumo 1.2.3\" \"User Commands\"\n"
      ".nh\n"
      ".ad l\n"
      ".SH NAME\n"
      "tool \\- does things\n"
      ".SH SYNOPSIS\n"
      "\\fBtool\\fR \\fINAME.VLD\\fR [\\fB\\-\\-fast\\fR]\n"
      ".br\n"
      "\\fBtool\\fR \\fB\\-\\-help\\fR\n"
      ".SH \"DESCRIPTION\"\n"
      "Does things to .VLD files\n"
      "\\&.at once, in C:\\edata.\n"
      ".SH \"COMMANDS\"\n"
      ".TP\n"
      "\\fBrun\\fR \\fIFILE\\fR... \\fB\\-\\-at\\fR \\fIX\\fR [\\fB\\-\\-quiet\\fR]\n"
      "Runs at X \\[u00C5].\n"
      ".RS\n"
      ".TP\n"
      "\\fB\\-\\-at\\fR \\fIX\\fR\n"
      "where, continued\n"
      "here\n"
      ".RE\n"
      ".IP\n"
      "After the list.\n"
      ".SH \"EXIT STATUS\"\n"
      "0, or 1 ?.\n"
      ".SH \"SEE ALSO\"\n"
      "\\fBlumo\\fR(1),\n"
      "\\fBlumo\\-cli\\fR(1)\n";
  EXPECT_EQ(helpToMan(help, kInfo), expected);
}

// Only the macros the pages use start a line; no byte outside ASCII is left.
void expectCleanRoff(const std::string& page) {
  static const std::regex macro(R"(\.(TH|SH|TP|RS|RE|IP|PP|br|nh|ad)( .*)?)");
  std::istringstream lines(page);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && (line[0] == '.' || line[0] == '\'')) {
      EXPECT_TRUE(std::regex_match(line, macro)) << line;
    }
    for (char c : line) EXPECT_GE(c, 0) << line;
  }
}

TEST(ManPage, OfLumoCliListsEveryCommandWithItsOptions) {
  std::ostringstream help, err;
  ASSERT_EQ(cli::run({"--help"}, help, err), cli::kExitOk);
  const std::string page = helpToMan(help.str(), kInfo);
  expectCleanRoff(page);
  for (const char* section : {".SH SYNOPSIS", ".SH \"DESCRIPTION\"", ".SH \"COMMANDS\"",
                              ".SH \"OPTIONS\"", ".SH \"EXIT STATUS\"", "\\fB\\-\\-version\\fR"})
    EXPECT_NE(page.find(section), std::string::npos) << section;
  static const std::regex option(R"(--[a-z-]+)");
  for (const cli::Command& command : cli::commands()) {
    EXPECT_NE(page.find(".TP\n\\fB" + std::string(command.name) + "\\fR"), std::string::npos)
        << command.name;
    const std::string text = command.help;
    for (std::sregex_iterator o(text.begin(), text.end(), option), end; o != end; ++o) {
      const std::string name = std::regex_replace(o->str(), std::regex("-"), "\\-");
      EXPECT_NE(page.find("\\fB" + name + "\\fR"), std::string::npos)
          << command.name << " " << o->str();
    }
  }
}

TEST(ManPage, OfLumoDescribesItsFilesAndOptions) {
  const std::string page = helpToMan(cli::kLumoHelp, kInfo);
  expectCleanRoff(page);
  for (const char* part :
       {"\\fBlumo\\fR [\\fIFILE\\fR...]", ".SH \"ARGUMENTS\"\n.TP\n\\fIFILE\\fR...",
        "\\fB\\-platform\\fR \\fINAME\\fR", ".SH \"EXIT STATUS\""})
    EXPECT_NE(page.find(part), std::string::npos) << part << "\n" << page;
}

}  // namespace
}  // namespace lumo::manpage
