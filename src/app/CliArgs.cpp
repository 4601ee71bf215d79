#include "app/CliArgs.h"

#include "files/TextItemReader.h"

namespace lumo::cli {

CliArgs::CliArgs(const std::vector<std::string>& args, const OptionTable& table) {
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    // Options are "--name", or a short name the command declares ("-o").
    const bool declared = table.values.count(a) || table.repeatable.count(a) || table.flags.count(a);
    if (optionsEnded || (a.rfind("--", 0) != 0 && !declared)) {
      positional_.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (table.flags.count(a)) {
      flags_.insert(a);
    } else if (table.values.count(a) || table.repeatable.count(a)) {
      if (i + 1 >= args.size()) throw UsageError{"option " + a + " needs a value"};
      auto& values = values_[a];
      if (!values.empty() && table.values.count(a))
        throw UsageError{"option " + a + " is given twice"};
      values.push_back(args[++i]);
    } else {
      throw UsageError{"unknown option " + a};
    }
  }
}

bool CliArgs::has(const std::string& option) const {
  return flags_.count(option) > 0 || values_.count(option) > 0;
}

const std::string& CliArgs::text(const std::string& option) const {
  const auto it = values_.find(option);
  if (it == values_.end()) throw UsageError{"option " + option + " is required"};
  return it->second.front();
}

std::optional<std::string> CliArgs::optionalText(const std::string& option) const {
  if (!values_.count(option)) return std::nullopt;
  return text(option);
}

std::vector<std::string> CliArgs::all(const std::string& option) const {
  const auto it = values_.find(option);
  return it == values_.end() ? std::vector<std::string>{} : it->second;
}

double CliArgs::number(const std::string& option) const { return numberOption(option, text(option)); }

std::optional<double> CliArgs::optionalNumber(const std::string& option) const {
  if (!values_.count(option)) return std::nullopt;
  return number(option);
}

double numberOption(const std::string& option, const std::string& text) {
  double value = 0;
  if (!text::parseDecimal(text, value))
    throw UsageError{"option " + option + " needs a number, not '" + text + "'"};
  return value;
}

}  // namespace lumo::cli
