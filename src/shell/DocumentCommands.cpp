// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentCommands.h"

#include "DocumentFormat.h"
#include "FunctionGraphCommands.h"
#include "GbkText.h"
#include "ProfileFile.h"
#include "Settings.h"
#include "WorkDocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProcessEnvironment>

#include <algorithm>

namespace orvane {

namespace {

const QString ProgramCaption = QStringLiteral("Orvane(奥维恩) 3.0 Final");
const QString DocumentFilter = QStringLiteral("作图文件 (*.ovd)");
const QString DocumentPattern = QStringLiteral("*.ovd");
const QString AutosavePrefix = QStringLiteral("autosave-");

QString recentKey(int n)
{
    return QStringLiteral("RecentFile") + QString::number(n);
}

bool isDocumentPath(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("ovd"), Qt::CaseInsensitive) == 0;
}

} // namespace

DocumentCommands::DocumentCommands(WorkDocument& work, SystemDialogs& dialogs,
                                   const Settings& settings, QWidget* owner, Hooks hooks)
    : work_(work), dialogs_(dialogs), settings_(settings), owner_(owner), hooks_(std::move(hooks))
{
    writer_.setMaxThreadCount(1);
    autosaveTimer_.setSingleShot(true);
    autosaveTimer_.setInterval(AutosaveDelayMs);
    connect(&autosaveTimer_, &QTimer::timeout, this, [this] { autosaveNow(); });
    connect(&work_, &WorkDocument::modifiedChanged, this, &DocumentCommands::workChanged);
    connect(&work_.pad(), &PadDocument::stateChanged, this, [this] {
        if (work_.isModified() && !autosaveTimer_.isActive()) autosaveTimer_.start();
    });
    connect(&work_, &WorkDocument::filePathChanged, this,
            [this] { emit captionChanged(caption()); });

    // Each running copy has its own autosave, held by a lock while it runs.
    const QString folder = autosaveFolder();
    const QString stem = folder + QLatin1Char('/') + AutosavePrefix +
                         QString::number(QCoreApplication::applicationPid());
    autosavePath_ = stem + QStringLiteral(".ovd");
    if (QDir().mkpath(folder)) {
        lock_ = std::make_unique<QLockFile>(stem + QStringLiteral(".lock"));
        lock_->setStaleLockTime(0);
        if (!lock_->tryLock(0)) lock_.reset();
    }
}

DocumentCommands::~DocumentCommands()
{
    // Ending without a crash is a clean exit, whatever way the window went.
    removeAutosave();
}

QString DocumentCommands::autosaveFolder()
{
    const QString state =
        QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_STATE_HOME"));
    const QString base =
        QDir::isAbsolutePath(state) ? state : QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/orvane");
}

void DocumentCommands::workChanged(bool modified)
{
    if (modified) {
        if (!autosaveTimer_.isActive()) autosaveTimer_.start();
    } else {
        removeAutosave();
    }
    emit captionChanged(caption());
}

QString DocumentCommands::caption() const
{
    if (work_.filePath().isEmpty()) return ProgramCaption;
    return (work_.isModified() ? QStringLiteral("*") : QString()) +
           QFileInfo(work_.filePath()).fileName() + QStringLiteral(" - ") + ProgramCaption;
}

bool DocumentCommands::confirmDiscard()
{
    if (!work_.isModified()) return true;
    const QString name = work_.filePath().isEmpty() ? QStringLiteral("当前作图")
                                                    : QFileInfo(work_.filePath()).fileName();
    const MessageAnswer answer =
        dialogs_.showMessage(owner_, {QStringLiteral("“%1”已修改，是否保存？").arg(name), QString(),
                                      MessageIcon::Question, MessageButtons::SaveDiscardCancel});
    if (answer == MessageAnswer::Cancel) return false;
    if (answer == MessageAnswer::No) return true;
    return save();
}

void DocumentCommands::newDocument()
{
    if (!confirmDiscard()) return;
    DocumentContent content;
    content.axes = hooks_.defaults().axes;
    content.constants = work_.content().constants;
    SketchItem axes;
    axes.op = SketchItem::Op::Axes;
    axes.axisSize = content.axes.size;
    axes.colour = content.axes.colour;
    axes.size = content.axes.fontSize;
    content.sketch = {SketchItem{}, axes};
    work_.load(content);
    work_.setFilePath(QString());
    hooks_.followWork();
}

void DocumentCommands::open()
{
    if (!confirmDiscard()) return;
    const std::optional<QString> path = dialogs_.showOpenDialog(
        owner_, {QStringLiteral("打开"), QStringLiteral("作图文件和函数图象文件 (*.ovd *.fun)"),
                 QStringLiteral("*.ovd"), QString()});
    if (path) openPath(*path);
}

bool DocumentCommands::openPath(const QString& path)
{
    if (!isDocumentPath(path)) {
        const QString error = hooks_.importFunctionFile(path);
        if (!error.isEmpty()) dialogs_.inform(owner_, error, MessageIcon::Warning);
        return error.isEmpty();
    }
    const DocumentFormat::ReadResult read = DocumentFormat::readFile(path, hooks_.defaults());
    QString error = read.error;
    if (read.content) {
        error = work_.load(*read.content);
        if (!error.isEmpty())
            error = QStringLiteral("无法打开作图文件“%1”：%2")
                        .arg(QDir::toNativeSeparators(path), error);
    }
    if (!error.isEmpty()) {
        dialogs_.inform(owner_, error, MessageIcon::Warning);
        return false;
    }
    work_.setFilePath(QFileInfo(path).absoluteFilePath());
    hooks_.followWork();
    addRecent(work_.filePath());
    emit captionChanged(caption());
    return true;
}

bool DocumentCommands::save()
{
    if (work_.filePath().isEmpty()) return saveAs();
    return saveTo(work_.filePath());
}

bool DocumentCommands::saveAs()
{
    const std::optional<QString> chosen = dialogs_.showSaveDialog(
        owner_, {QStringLiteral("另存为"), DocumentFilter, DocumentPattern, QString()});
    if (!chosen) return false;
    return saveTo(withExtension(*chosen, DocumentPattern));
}

bool DocumentCommands::saveTo(const QString& path)
{
    QString error = cannotWriteReason(path);
    if (error.isEmpty()) {
        error = DocumentFormat::writeFile(path, DocumentFormat::write(work_.content()));
    } else {
        error = QStringLiteral("无法保存“%1”：").arg(QDir::toNativeSeparators(path)) + error;
    }
    if (!error.isEmpty()) {
        dialogs_.inform(owner_, error, MessageIcon::Error);
        return false;
    }
    work_.setFilePath(QFileInfo(path).absoluteFilePath());
    work_.setModified(false);
    addRecent(work_.filePath());
    emit captionChanged(caption());
    return true;
}

QStringList DocumentCommands::recentFiles() const
{
    QStringList files;
    for (int n = 1; n <= RecentCount; ++n) {
        const QString path = settings_.getSetupValue(recentKey(n));
        if (!path.isEmpty() && !files.contains(path)) files << path;
    }
    return files;
}

void DocumentCommands::addRecent(const QString& path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    // A path longer than the settings file keeps would come back cut: left out.
    files.erase(std::remove_if(files.begin(), files.end(),
                               [](const QString& file) {
                                   return GbkText::encode(file).size() > ProfileFile::MaxValueBytes;
                               }),
                files.end());
    while (files.size() > RecentCount)
        files.removeLast();
    for (int n = 1; n <= RecentCount; ++n) {
        const QString path = n <= files.size() ? files[n - 1] : QString();
        if (settings_.getSetupValue(recentKey(n)) != path)
            settings_.setSetupValue(recentKey(n), path);
    }
}

void DocumentCommands::fillRecentMenu(QMenu* menu)
{
    menu->clear();
    const QStringList files = recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* action = menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        action->setObjectName(QStringLiteral("mnuRecent_%1").arg(i));
        connect(action, &QAction::triggered, this, [this, path] {
            if (confirmDiscard()) openPath(path);
        });
    }
    menu->setEnabled(!files.isEmpty());
}

bool DocumentCommands::autosaveNow()
{
    if (!work_.isModified() || !lock_) return false;
    // The content holds plain values and shared, unchanging drawings: safe to write
    // while the window goes on.
    DocumentContent content = work_.content();
    content.origin = work_.filePath();
    writer_.start([content = std::move(content), path = autosavePath_] {
        DocumentFormat::writeFile(path, DocumentFormat::write(content));
    });
    return true;
}

void DocumentCommands::removeAutosave()
{
    autosaveTimer_.stop();
    writer_.waitForDone();
    QFile::remove(autosavePath_);
}

void DocumentCommands::offerRecovery()
{
    const QDir folder(autosaveFolder());
    QFileInfoList left;
    for (const QFileInfo& file : folder.entryInfoList({AutosavePrefix + QStringLiteral("*.ovd")},
                                                      QDir::Files, QDir::Time)) {
        if (file.absoluteFilePath() == QFileInfo(autosavePath_).absoluteFilePath()) continue;
        // A copy still running holds its lock; a dead one's lock is taken over.
        QLockFile lock(folder.filePath(file.completeBaseName() + QStringLiteral(".lock")));
        if (!lock.tryLock(0)) continue;
        left << file;
        lock.unlock();
    }
    if (left.isEmpty()) return;
    const QFileInfo newest = left.constFirst();
    const MessageAnswer answer = dialogs_.showMessage(
        owner_,
        {QStringLiteral("上次的作图没有保存，程序就意外结束了。是否恢复自动保存的作图（%1）？")
             .arg(newest.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
         QString(), MessageIcon::Question, MessageButtons::YesNo});
    if (answer == MessageAnswer::Yes) {
        const DocumentFormat::ReadResult read =
            DocumentFormat::readFile(newest.absoluteFilePath(), hooks_.defaults());
        const QString error = read.content ? work_.load(*read.content) : read.error;
        if (error.isEmpty()) {
            // The work belongs to the file it was opened from, if any, and is unsaved:
            // it is autosaved again and asked about.
            work_.setFilePath(read.content->origin);
            hooks_.followWork();
            work_.setModified(true);
        } else {
            dialogs_.inform(owner_, error, MessageIcon::Warning);
        }
    }
    for (const QFileInfo& file : left)
        QFile::remove(file.absoluteFilePath());
}

} // namespace orvane
