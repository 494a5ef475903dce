// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <getopt.h>

#include <cstdio>
#include <optional>
#include <span>

#include "catalogue/catalogue_search.h"
#include "catalogue/code_forms.h"
#include "catalogue/error_catalogue.h"
#include "catalogue/unicode_text.h"
#include "platform/console.h"
#include "platform/identity.h"

namespace dialnote {
namespace {

constexpr std::size_t kShownCharacters = 40;
// A word of standard input longer than this is no code in any form; only its
// beginning is kept, for the complaint.
constexpr std::size_t kLongestWord = 64 * 1024;

constexpr std::string_view kUsageText =
    "Usage: dialnote [-o FILE] CODE...\n"
    "       dialnote [-o FILE] -\n"
    "       dialnote [-o FILE] --list\n"
    "       dialnote [-o FILE] --search WORD...\n";

constexpr std::string_view kHelpText =
    "Explains the Windows dial-up and VPN error codes 600 to 878 in Persian.\n"
    "Without arguments the windows open; they explain the codes 600 to 800.\n"
    "\n"
    "A code may be given in decimal (691, also in Persian or Arabic-Indic digits),\n"
    "as its HRESULT in hexadecimal (0x800702B3) or signed decimal (-2147024205),\n"
    "or by its symbol (ERROR_AUTHENTICATION_FAILURE). Each answer is one line:\n"
    "the code, a tab and its explanation, in UTF-8. A code that names no entry\n"
    "is reported on standard error, and the others are still answered.\n"
    "\n"
    "Options:\n"
    "  -                  Read codes from standard input, separated by white\n"
    "                     space, and answer them in order.\n"
    "  --list             Print every entry: code, symbol, explanation, with tabs.\n"
    "  --search WORD...   Print, as --list does, every entry whose explanation or\n"
    "                     symbol holds all the words. Persian is matched as it is\n"
    "                     meant: ی and ي, ک and ك alike, spaces, zero-width\n"
    "                     non-joiners and diacritics ignored; Latin without case.\n"
    "  -o, --output FILE  Write the answers to FILE instead, in UTF-8 as here;\n"
    "                     FILE is created or replaced.\n"
    "  -h, --help         Print this help and exit.\n"
    "  -v, --version      Print the version and exit.\n"
    "  --                 Treat every later argument as a code.\n"
    "\n"
    "Exit status: 0 when every code was found (or the search found something),\n"
    "1 when a code named no entry (or the search found nothing), 2 for a usage\n"
    "error or when the input could not be read or the output written.\n"
    "\n"
    "A Windows console shows Persian unjoined and left to right. To read it,\n"
    "have the command write a file and open that:\n"
    "  dialnote 691 -o 691.txt\n"
    "  notepad 691.txt\n"
    "Not \"> 691.txt\": Windows PowerShell 5.1 decodes what a program writes to\n"
    "> or to a pipe by the console's OEM code page and writes it again in\n"
    "UTF-16, which garbles Persian; -o bypasses it. Codes given as arguments\n"
    "are always read right, and the symbol column of --list and --search is\n"
    "always readable.\n"
    "\n"
    "On Windows the command is dialnote.com, which a prompt finds first for\n"
    "\"dialnote\": call that from scripts. Dialnote.exe opens the windows,\n"
    "whatever its arguments.\n";

enum LongOnly : int { kList = 0x100, kSearch };

constexpr option kOptions[] = {
    {"help", no_argument, nullptr, 'h'},         {"version", no_argument, nullptr, 'v'},
    {"output", required_argument, nullptr, 'o'}, {"list", no_argument, nullptr, kList},
    {"search", no_argument, nullptr, kSearch},   {nullptr, 0, nullptr, 0},
};

// Characters a terminal would act on, reorder or not show: C0 and C1
// controls, DEL, the no-break spaces, the line and paragraph separators, and
// the format characters (the invisible marks among them).
bool NeedsEscape(char32_t c) {
  constexpr char32_t kRanges[][2] = {
      {0x00, 0x1F},       {0x7F, 0x9F},       {0xA0, 0xA0},       {0xAD, 0xAD},
      {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},
      {0x08E2, 0x08E2},   {0x180E, 0x180E},   {0x200B, 0x200F},   {0x2028, 0x202F},
      {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},
      {0x110BD, 0x110BD}, {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3},
      {0x1D173, 0x1D17A}, {0xE0001, 0xE0001}, {0xE0020, 0xE007F},
  };
  for (const auto& range : kRanges) {
    if (c >= range[0] && c <= range[1]) return true;
  }
  return false;
}

void AppendHex(std::string& out, const char* prefix, unsigned value, int digits) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%s%0*x", prefix, digits, value);
  out += buffer;
}

// The first code point after a leading "-" is a digit: a signed HRESULT, not
// an option.
bool IsSignedNumber(std::string_view argument) {
  char32_t c = 0;
  return argument.size() > 1 && argument[0] == '-' &&
         unicode::DecodeUtf8(argument.substr(1), c) != 0 && unicode::DigitValue(c) >= 0;
}

// An option element that ends in -o or --output (or a shortening of it):
// its file name is the next argument, whatever that looks like.
bool FileNameFollows(std::string_view element) {
  if (element.starts_with("--")) return std::string_view("--output").starts_with(element);
  return element.find('o') == element.size() - 1;  // in a group, the first "o" takes the rest
}

class Command {
 public:
  int Run(const std::vector<std::string>& arguments);

 private:
  int RunModes(const std::vector<std::string>& arguments);
  bool OpenOutput();
  enum class Mode { kLookUp, kList, kSearch, kHelp, kVersion };

  int UsageError(const std::string& message);
  // The status after a failed write: quiet for a closed pipe.
  int WriteFailed();
  bool Answer(std::string_view argument);
  bool Complain(std::string_view argument);
  int LookUp();
  int List(std::span<const CatalogueEntry* const> entries);
  int Search();
  bool WriteEntry(const CatalogueEntry& entry, bool with_symbol);

  console::Output output_;
  std::optional<std::string> output_file_;
  std::vector<std::string_view> operands_;
  int status_ = kStatusFound;
  std::string line_;
};

int Command::UsageError(const std::string& message) {
  output_.Flush();
  console::WriteError("dialnote: " + message + "\n" + std::string(kUsageText) +
                      "Try 'dialnote --help'.\n");
  return kStatusFailure;
}

int Command::WriteFailed() {
  if (output_.ReaderGone()) return status_;
  console::WriteError("dialnote: write error: " + output_.FailureText() + "\n");
  return kStatusFailure;
}

bool Command::WriteEntry(const CatalogueEntry& entry, bool with_symbol) {
  line_.clear();
  unicode::AppendUtf8(line_, entry.code);
  line_ += '\t';
  if (with_symbol) {
    line_ += entry.symbol;
    line_ += '\t';
  }
  unicode::AppendUtf8(line_, entry.explanation);
  line_ += '\n';
  return output_.Write(line_);
}

// Reports a code that names no entry; false when the answers before it could
// not be written.
bool Command::Complain(std::string_view argument) {
  if (!output_.Flush()) return false;
  console::WriteError("dialnote: no entry for \"" + QuoteArgument(argument) + "\"\n");
  status_ = kStatusNotFound;
  return true;
}

// Answers one code, or complains; false when the answer could not be written.
bool Command::Answer(std::string_view argument) {
  const std::optional<int> code = ReadCode(argument);
  if (!code) return Complain(argument);
  const auto index = static_cast<std::size_t>(*code - ErrorCatalogue::kFirstCode);
  return WriteEntry(ErrorCatalogue::CommandEntries()[index], false);
}

// Opens the file of --output, if one was given; false, with a complaint,
// when it cannot be.
bool Command::OpenOutput() {
  if (!output_file_ || output_.OpenFile(*output_file_)) return true;
  console::WriteError("dialnote: cannot write \"" + QuoteArgument(*output_file_) +
                      "\": " + output_.FailureText() + "\n");
  return false;
}

int Command::LookUp() {
  if (!OpenOutput()) return kStatusFailure;
  // Standard input is opened at the first "-" only, and once: a second "-"
  // finds it at its end.
  std::optional<console::Input> input;
  for (const std::string_view operand : operands_) {
    if (operand != "-") {
      if (!Answer(operand)) return WriteFailed();
      continue;
    }
    if (!input) input.emplace();
    // The words of standard input, answered as they come, so that a long
    // input needs no more memory than a word.
    std::string text;
    std::string word;
    bool word_cut = false;
    const auto is_space = [](char c) {
      return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    };
    bool more = true;
    while (more) {
      // What is answered shows before the command waits for more: a user
      // typing codes at a terminal sees each line's answers at once.
      if (!output_.Flush()) return WriteFailed();
      text.clear();
      more = input->Read(text);
      if (!more && !input->Failed()) text += ' ';  // ends the last word, unless cut short
      for (const char c : text) {
        if (!is_space(c)) {
          if (word.size() < kLongestWord) {
            word += c;
          } else {
            word_cut = true;
          }
          continue;
        }
        if (word.empty()) continue;
        // A word cut short names nothing; its complaint shows its start.
        if (!(word_cut ? Complain(word) : Answer(word))) return WriteFailed();
        word.clear();
        word_cut = false;
      }
    }
    if (input->Failed()) {
      output_.Flush();
      if (input->Interrupted()) return kStatusInterrupted;
      console::WriteError("dialnote: read error: " + input->FailureText() + "\n");
      return kStatusFailure;
    }
  }
  return output_.Flush() ? status_ : WriteFailed();
}

int Command::List(std::span<const CatalogueEntry* const> entries) {
  if (!OpenOutput()) return kStatusFailure;
  for (const CatalogueEntry* entry : entries) {
    if (!WriteEntry(*entry, true)) return WriteFailed();
  }
  return output_.Flush() ? status_ : WriteFailed();
}

int Command::Search() {
  std::vector<std::string> words;
  for (const std::string_view operand : operands_) {
    words.push_back(FoldForSearch(operand));
    if (words.back().empty()) {
      return UsageError("nothing to search for in \"" + QuoteArgument(operand) + "\"");
    }
  }
  const std::vector<const CatalogueEntry*> found = FindEntries(words);
  status_ = found.empty() ? kStatusNotFound : kStatusFound;
  return List(found);
}

int Command::Run(const std::vector<std::string>& arguments) {
  const int status = RunModes(arguments);
  return output_.Close() ? status : WriteFailed();
}

int Command::RunModes(const std::vector<std::string>& arguments) {
  // Options start with "-"; "-" alone and a minus sign before a digit are
  // codes, and so is everything after "--". Only the options go to the
  // option parser.
  std::vector<std::string> options{"dialnote"};
  bool codes_only = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (codes_only || argument.size() < 2 || argument[0] != '-' || IsSignedNumber(argument)) {
      operands_.push_back(argument);
    } else if (argument == "--") {
      codes_only = true;
    } else {
      options.push_back(argument);
      if (FileNameFollows(argument) && i + 1 < arguments.size()) options.push_back(arguments[++i]);
    }
  }
  std::vector<char*> option_pointers;
  for (std::string& option_text : options) option_pointers.push_back(option_text.data());
  option_pointers.push_back(nullptr);

  Mode mode = Mode::kLookUp;
  bool help = false;
  bool version = false;
  opterr = 0;  // the complaints are ours, quoted like every other
  optind = 1;
  for (;;) {
    const int element = optind;
    const int option_value = getopt_long(static_cast<int>(options.size()), option_pointers.data(),
                                         ":hvo:", kOptions, nullptr);
    if (option_value == -1) break;
    switch (option_value) {
      case 'h':
        help = true;
        break;
      case 'v':
        version = true;
        break;
      case 'o':
        output_file_ = optarg;
        break;
      case ':':
        return UsageError(
            std::string("the option \"") +
            (options[static_cast<std::size_t>(optind - 1)].starts_with("--") ? "--output" : "-o") +
            "\" needs a file name");
      case kList:
      case kSearch: {
        const Mode wanted = option_value == kList ? Mode::kList : Mode::kSearch;
        if (mode != Mode::kLookUp && mode != wanted) {
          return UsageError("--list and --search do not go together");
        }
        mode = wanted;
        break;
      }
      default: {
        // The element the parser stopped on: the one it has just passed, or,
        // inside a group of short options, the one it is still in.
        const int index = optind > element ? optind - 1 : element;
        const std::string_view given = options[static_cast<std::size_t>(index)];
        // A long option given a value: glibc names it in optopt, by its
        // letter for --help and --version.
        if (given.starts_with("--") && optopt != 0) {
          return UsageError("the option \"" + QuoteArgument(given.substr(0, given.find('='))) +
                            "\" takes no value");
        }
        if (optopt > 0 && optopt < 0x80) {
          const char letter[] = {'-', static_cast<char>(optopt), '\0'};
          return UsageError("unknown option \"" + QuoteArgument(letter) + "\"");
        }
        return UsageError("unknown option \"" + QuoteArgument(given) + "\"");
      }
    }
  }
  if (help)
    mode = Mode::kHelp;
  else if (version)
    mode = Mode::kVersion;

  switch (mode) {
    case Mode::kHelp:
      if (!OpenOutput()) return kStatusFailure;
      output_.Write(kUsageText);
      output_.Write(kHelpText);
      return output_.Flush() ? kStatusFound : WriteFailed();
    case Mode::kVersion:
      if (!OpenOutput()) return kStatusFailure;
      output_.Write(std::string(identity::kProjectName) + ' ' + std::to_string(identity::kMajor) +
                    '.' + std::to_string(identity::kMinor) + '.' +
                    std::to_string(identity::kRevision) + '\n');
      return output_.Flush() ? kStatusFound : WriteFailed();
    case Mode::kList: {
      if (!operands_.empty()) return UsageError("--list takes no codes");
      std::vector<const CatalogueEntry*> all;
      for (const CatalogueEntry& entry : ErrorCatalogue::CommandEntries()) all.push_back(&entry);
      return List(all);
    }
    case Mode::kSearch:
      if (operands_.empty()) return UsageError("--search needs a word to search for");
      return Search();
    case Mode::kLookUp:
      if (operands_.empty()) return UsageError("no code given");
      return LookUp();
  }
  return kStatusFailure;
}

}  // namespace

std::string QuoteArgument(std::string_view argument) {
  std::string shown;
  std::size_t characters = 0;
  while (!argument.empty() && characters < kShownCharacters) {
    char32_t c = 0;
    std::size_t length = unicode::DecodeUtf8(argument, c);
    if (length == 0) {
      AppendHex(shown, "\\x", static_cast<unsigned char>(argument[0]), 2);
      length = 1;
    } else if (c == '"' || c == '\\') {
      (shown += '\\') += static_cast<char>(c);
    } else if (c == '\t' || c == '\n' || c == '\r') {
      shown += c == '\t' ? "\\t" : c == '\n' ? "\\n" : "\\r";
    } else if (NeedsEscape(c)) {
      // \x is kept for bytes, so that U+00A0 and a stray byte 0xA0 differ.
      const bool ascii = c < 0x80;
      const bool wide = c > 0xFFFF;
      AppendHex(shown,
                ascii  ? "\\x"
                : wide ? "\\U"
                       : "\\u",
                static_cast<unsigned>(c),
                ascii  ? 2
                : wide ? 8
                       : 4);
    } else {
      shown.append(argument.substr(0, length));
    }
    argument.remove_prefix(length);
    ++characters;
  }
  if (!argument.empty()) {
    shown += "…";
  }
  return shown;
}

int RunCommandLine(const std::vector<std::string>& arguments) {
  console::Attach();
  Command command;
  return command.Run(arguments);
}

}  // namespace dialnote
