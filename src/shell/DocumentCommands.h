// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DocumentContent.h"
#include "SystemDialogs.h"

#include <QLockFile>
#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <memory>

class QMenu;
class QWidget;

namespace orvane {

class Settings;
class WorkDocument;

// The document commands of the 文件 menu: 新建, 打开…, 保存作图文件, 另存为…, the recent
// files, the question before changed work is given up, and the autosave of unsaved work
// with its recovery after a crash.
class DocumentCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int RecentCount = 8;
    static constexpr int AutosaveDelayMs = 60 * 1000;

    struct Hooks {
        // What a file leaves out: the settings' values now.
        std::function<DocumentDefaults()> defaults;
        // A new work was loaded: the controls and the settings file follow it.
        std::function<void()> followWork;
        // A function-graph file joins the list as if its functions were typed.
        std::function<QString(const QString& path)> importFunctionFile;
    };

    DocumentCommands(WorkDocument& work, SystemDialogs& dialogs, const Settings& settings,
                     QWidget* owner, Hooks hooks);
    ~DocumentCommands() override;

    void newDocument();
    void open();
    // Opens a document (*.ovd) or imports a function-graph file; false when refused.
    bool openPath(const QString& path);
    bool save();
    bool saveAs();
    // True when the work may be given up: unchanged, saved now, or not to be saved.
    bool confirmDiscard();

    QStringList recentFiles() const;
    // Rebuilds `menu` with the recent files, most recent first.
    void fillRecentMenu(QMenu* menu);

    // "NAME - Orvane(奥维恩) 3.0 Final", "*" before NAME while there are unsaved
    // changes; the program's own caption when no document file is open.
    QString caption() const;

    // Autosave: the folder, this copy's file, and the delay after a change.
    static QString autosaveFolder();
    QString autosavePath() const { return autosavePath_; }
    void setAutosaveDelay(int milliseconds) { autosaveTimer_.setInterval(milliseconds); }
    // Takes the unsaved work now and writes it on a worker thread, so that the window
    // waits only for the taking; false when there is nothing to write.
    bool autosaveNow();
    // Until the autosave being written is on disk.
    void waitForAutosave() { writer_.waitForDone(); }
    // A clean exit: the autosave is no longer needed.
    void removeAutosave();
    // Autosaves left by copies that ended without exiting cleanly: offers the newest and
    // loads it when the user agrees. Each one offered is removed.
    void offerRecovery();

signals:
    void captionChanged(const QString& caption);

private:
    bool saveTo(const QString& path);
    void addRecent(const QString& path);
    void workChanged(bool modified);

    WorkDocument& work_;
    SystemDialogs& dialogs_;
    const Settings& settings_;
    QWidget* owner_;
    Hooks hooks_;
    QTimer autosaveTimer_;
    QString autosavePath_;
    std::unique_ptr<QLockFile> lock_;
    // One writer at a time, so that a later autosave never lands before an earlier one.
    QThreadPool writer_;
};

} // namespace orvane
