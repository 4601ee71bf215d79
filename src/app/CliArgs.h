#pragma once
// The arguments of one lumo-cli command: positional arguments, options that take a value
// and flags. Every command declares the options it knows, so a misspelt option is a usage
// error rather than a file name.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace lumo::cli {

// A usage error: the command prints it with its name and exits with kExitUsage.
struct UsageError {
  std::string what;
};

struct OptionTable {
  std::set<std::string> values;      // options followed by one value, given at most once
  std::set<std::string> repeatable;  // options followed by one value, given any number of times
  std::set<std::string> flags;       // options without a value
};

class CliArgs {
 public:
  // Throws UsageError for an unknown option, a missing value or an option given twice.
  // Options are "--name", or a short name the table declares ("-o"); "--" ends the
  // options: everything after it is positional.
  CliArgs(const std::vector<std::string>& args, const OptionTable& table);

  const std::vector<std::string>& positional() const { return positional_; }
  bool has(const std::string& option) const;
  // The value of an option given once; throws when it is missing.
  const std::string& text(const std::string& option) const;
  std::optional<std::string> optionalText(const std::string& option) const;
  // The values of a repeatable option in the order given.
  std::vector<std::string> all(const std::string& option) const;
  // The value of a required option read as a decimal number; throws when it is not one.
  double number(const std::string& option) const;
  std::optional<double> optionalNumber(const std::string& option) const;

 private:
  std::vector<std::string> positional_;
  std::map<std::string, std::vector<std::string>> values_;
  std::set<std::string> flags_;
};

// Reads `text` as a decimal number for `option`; throws a UsageError naming both.
double numberOption(const std::string& option, const std::string& text);

}  // namespace lumo::cli
