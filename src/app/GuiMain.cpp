// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiMain.h"

#include "DesktopEnvironment.h"
#include "MainWindow.h"
#include "NumberText.h"
#include "ProgramPaths.h"
#include "QtSystemDialogs.h"
#include "RenderCommand.h"
#include "Settings.h"
#include "ShellLook.h"
#include "Startup.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

#include <fstream>
#include <iostream>
#include <string>

namespace orvane {

namespace {

// Qt's own dialog texts (Yes, No, file and colour dialogs) in Chinese, whatever the
// locale: the program's own texts are Chinese too.
void loadChineseQtTexts(QApplication& app, QTranslator& translator)
{
    if (translator.load(QStringLiteral("qtbase_zh_CN"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

// Resident memory of this process in kilobytes, -1 when the system does not say.
long long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return static_cast<long long>(NumberText::leadingNumber(line.substr(6)));
    return -1;
}

// The start-up benchmark's end point: the pending paints are done, so the window is
// shown with its axes drawn.
int reportStartup()
{
    QCoreApplication::processEvents();
    std::cout << "startup-probe rss-kb " << NumberText::integerText(residentKilobytes())
              << std::endl;
    return 0;
}

QtMessageHandler previousMessageHandler = nullptr;

// A command-line run needs no runtime folder (sessions, sockets); Qt's warning that
// XDG_RUNTIME_DIR is unset, as under cron, su or ssh, would only look like a fault.
void dropRuntimeDirWarning(QtMsgType type, const QMessageLogContext& context,
                           const QString& message)
{
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (previousMessageHandler) previousMessageHandler(type, context, message);
}

} // namespace

int runGui(int& argc, char** argv, const CommandLine& commandLine, bool startupProbe)
{
    QApplication app(argc, argv);
    setApplicationIdentity(QStringLiteral(ORVANE_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/orvane/app/orvane.svg")));
    QTranslator translator;
    loadChineseQtTexts(app, translator);

    DesktopEnvironment environment;
    QtSystemDialogs dialogs;
    engine::Engine engine;
    Services services{dialogs, environment, engine};
    const QString programFolder = QApplication::applicationDirPath();
    const ProgramFolder folder = inspectProgramFolder(programFolder);
    const QString overridePath =
        commandLine.settingsPath ? QString::fromStdString(*commandLine.settingsPath) : QString();
    Settings settings(settingsPath(
        folder, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        overridePath));

    MainWindow mainWindow(services, settings, helpFilePath(programFolder));
    StartupOptions options;
    options.offerShortcutsOnFirstRun = !isInstalledProgram(folder);
    startProgram(mainWindow, QString::fromStdString(commandLine.functionFile), options);
    if (startupProbe) return reportStartup();
    return app.exec();
}

int runHeadlessRender(int& argc, char** argv, const CommandLine& commandLine)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    previousMessageHandler = qInstallMessageHandler(dropRuntimeDirWarning);
    // Pictures need fonts and images, never a widget.
    QGuiApplication app(argc, argv);
    return runRenderCommand(commandLine, std::cerr);
}

} // namespace orvane
