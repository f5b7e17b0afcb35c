#include "GuiMain.h"

#include "DesktopEnvironment.h"
#include "MainF.h"
#include "ProgramPaths.h"
#include "QtSystemDialogs.h"
#include "RenderCommand.h"
#include "Startup.h"
#include "mIni.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <iostream>

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

} // namespace

int RunGui(int& argc, char** argv, const CommandLine& commandLine)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("奥维恩"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/orvane/app/orvane.svg")));
    QTranslator translator;
    loadChineseQtTexts(app, translator);

    DesktopEnvironment environment;
    QtSystemDialogs dialogs;
    Services services{dialogs, environment};
    const QString programFolder = QApplication::applicationDirPath();
    const QString overridePath =
        commandLine.settingsPath ? QString::fromStdString(*commandLine.settingsPath) : QString();
    mIni settings(ResolveSettingsPath(programFolder, overridePath));

    MainF mainWindow(services, settings, HelpFilePath(programFolder));
    Main(mainWindow, QString::fromStdString(commandLine.functionFile));
    return app.exec();
}

int RunHeadlessRender(int& argc, char** argv, const CommandLine& commandLine)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunRenderCommand(commandLine, std::cerr);
}

} // namespace orvane
