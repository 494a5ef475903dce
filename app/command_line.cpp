// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <vector>

#include "catalogue/code_forms.h"
#include "catalogue/error_catalogue.h"
#include "platform/console.h"
#include "platform/identity.h"
#include "platform/qt_text.h"

namespace dialnote {
namespace {

constexpr std::size_t kShownCharacters = 40;

// The length of the well-formed UTF-8 sequence at the start of `text`, and
// its code point; 0 when the bytes there are no such sequence.
std::size_t DecodeUtf8(std::string_view text, char32_t& code_point) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    code_point = lead;
    return 1;
  }
  if ((lead & 0xE0) == 0xC0) {
    length = 2, minimum = 0x80, code_point = lead & 0x1Fu;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, minimum = 0x800, code_point = lead & 0x0Fu;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, minimum = 0x10000, code_point = lead & 0x07u;
  } else {
    return 0;
  }
  if (text.size() < length) {
    return 0;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) {
      return 0;
    }
    code_point = (code_point << 6) | (byte(i) & 0x3Fu);
  }
  const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
  return code_point < minimum || code_point > 0x10FFFF || surrogate ? 0 : length;
}

// Characters a terminal would act on or reorder rather than show: C0 and C1
// controls, DEL, and the bidirectional embeddings, overrides and isolates.
bool NeedsEscape(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069);
}

void AppendHex(std::string& out, const char* prefix, unsigned value, int digits) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%s%0*X", prefix, digits, value);
  out += buffer;
}

std::string Utf8(std::u16string_view text) { return ToQString(text).toStdString(); }

std::string EntryLine(const CatalogueEntry& entry, bool with_symbol) {
  std::string line = Utf8(entry.code);
  line += '\t';
  if (with_symbol) {
    line += entry.symbol;
    line += '\t';
  }
  line += Utf8(entry.explanation);
  line += '\n';
  return line;
}

// Options start with "-"; a minus sign followed by digits is a signed
// HRESULT, and everything after "--" is a code too.
struct SplitArguments {
  QStringList options;  // with the program name first, for the parser
  std::vector<std::string_view> codes;
};

SplitArguments Split(int argc, char* argv[]) {
  SplitArguments split;
  split.options << QString::fromLocal8Bit(argv[0]);
  bool codes_only = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const bool negative_number = argument.size() > 1 && argument[0] == '-' &&
                                 argument.find_first_not_of("0123456789", 1) == argument.npos;
    if (codes_only || argument.empty() || argument[0] != '-' || negative_number) {
      split.codes.push_back(argument);
    } else if (argument == "--") {
      codes_only = true;
    } else {
      split.options << QString::fromLocal8Bit(argv[i]);
    }
  }
  return split;
}

int ListAll() {
  for (const CatalogueEntry& entry : ErrorCatalogue::Entries()) {
    if (!console::WriteOutput(EntryLine(entry, true))) {
      return kStatusNotFound;
    }
  }
  return kStatusFound;
}

int LookUp(const std::vector<std::string_view>& codes) {
  int status = kStatusFound;
  for (const std::string_view argument : codes) {
    const std::optional<int> code = ReadCode(argument);
    if (!code) {
      console::WriteError("dialnote: no entry for \"" + QuoteArgument(argument) + "\"\n");
      status = kStatusNotFound;
      continue;
    }
    const auto index = static_cast<std::size_t>(*code - ErrorCatalogue::kFirstCode);
    // A reader that went away (a closed pipe) is no error to report: the
    // command just stops.
    if (!console::WriteOutput(EntryLine(ErrorCatalogue::Entries()[index], false))) {
      return kStatusNotFound;
    }
  }
  return status;
}

}  // namespace

std::string QuoteArgument(std::string_view argument) {
  std::string shown;
  std::size_t characters = 0;
  while (!argument.empty() && characters < kShownCharacters) {
    char32_t c = 0;
    std::size_t length = DecodeUtf8(argument, c);
    if (length == 0) {
      AppendHex(shown, "\\x", static_cast<unsigned char>(argument[0]), 2);
      length = 1;
    } else if (c == '"' || c == '\\') {
      (shown += '\\') += static_cast<char>(c);
    } else if (c == '\t' || c == '\n' || c == '\r') {
      shown += c == '\t' ? "\\t" : c == '\n' ? "\\n" : "\\r";
    } else if (NeedsEscape(c)) {
      AppendHex(shown, c < 0x100 ? "\\x" : "\\u", static_cast<unsigned>(c), c < 0x100 ? 2 : 4);
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

int RunCommandLine(int argc, char* argv[]) {
  console::Attach();
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName(ToQString(identity::kProjectName));
  QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                              .arg(identity::kMajor)
                                              .arg(identity::kMinor)
                                              .arg(identity::kRevision));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Explains the Windows dial-up and VPN error codes 600 to 800 in Persian.\n"
                     "A code may be given in decimal (691), as its HRESULT in hexadecimal\n"
                     "(0x800702B3) or signed decimal (-2147024205), or by its symbol\n"
                     "(ERROR_AUTHENTICATION_FAILURE). Without arguments the windows open."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption list(QStringLiteral("list"),
                                QStringLiteral("Print every entry: code, symbol, explanation."));
  parser.addOption(list);
  parser.addPositionalArgument(QStringLiteral("code"), QStringLiteral("Codes to explain."),
                               QStringLiteral("[code...]"));

  const SplitArguments split = Split(argc, argv);
  const auto usage_error = [](const QString& message) {
    console::WriteError("dialnote: " + message.toStdString() + "\nTry 'dialnote --help'.\n");
    return kStatusUsage;
  };
  if (!parser.parse(split.options)) {
    return usage_error(parser.errorText());
  }
  // Help and version go through the console streams too: the parser's own
  // printing would show a message box on Windows.
  int status = kStatusFound;
  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    console::WriteOutput(parser.helpText().toStdString());
  } else if (parser.isSet(version)) {
    console::WriteOutput((QCoreApplication::applicationName() + QLatin1Char(' ') +
                          QCoreApplication::applicationVersion() + QLatin1Char('\n'))
                             .toStdString());
  } else if (parser.isSet(list)) {
    if (!split.codes.empty()) {
      return usage_error(QStringLiteral("--list takes no codes"));
    }
    status = ListAll();
  } else {
    status = LookUp(split.codes);
  }
  return console::Flush() ? status : kStatusNotFound;
}

}  // namespace dialnote
