// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include "Version.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>

namespace pellucor {

namespace {

// The options QGuiApplication, QApplication and the platform plugins take from argv in Qt 6,
// and whether each takes a value. Qt accepts them with one dash or two.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption QtOptions[] = {
    {"platform", true},   {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"display", true},    {"qwindowgeometry", true},    {"geometry", true},      {"qwindowtitle", true},
    {"title", true},      {"qwindowicon", true},        {"icon", true},          {"style", true},
    {"stylesheet", true}, {"session", true},            {"name", true},          {"visual", true},
    {"qmljsdebugger", true}, {"reverse", false},        {"widgetcount", false},  {"testability", false},
    {"nograb", false},    {"dograb", false},            {"sync", false},
};

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

CommandLine::CommandLine(int argc, char* argv[], std::FILE* out, std::FILE* err) {
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);
    const QString program = arguments.isEmpty() ? QStringLiteral("pellucor") : QFileInfo(arguments.first()).fileName();

    QCommandLineParser parser;
    // Qt's options are words after a single dash, never bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("Pellucor finds the internal rate of return of a mortgage loan.\n"
                                                    "Qt's own options (-style, -platform, -reverse, ...) are accepted too."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption& qt : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name), QString(),
                                  qt.takesValue ? QStringLiteral("value") : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const auto refuse = [&](const QString& why) {
        Print(err, program + QStringLiteral(": ") + why + QStringLiteral("\nTry '") + program +
                       QStringLiteral(" --help' for more information.\n"));
        exitStatus_ = 2;
    };
    if (!parser.parse(arguments)) {
        refuse(parser.errorText());
        return;
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), program);
        Print(out, text);
        exitStatus_ = 0;
        return;
    }
    if (parser.isSet(version)) {
        Print(out, QStringLiteral("Pellucor " PELLUCOR_DISPLAY_VERSION "\n"));
        exitStatus_ = 0;
        return;
    }
    if (!parser.positionalArguments().isEmpty()) {
        refuse(QStringLiteral("takes no arguments, but was given '") + parser.positionalArguments().first() +
               QStringLiteral("'."));
        return;
    }
    namesPlatform_ = parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display"));
}

}  // namespace pellucor
