// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"
#include "FakeEnvironment.h"
#include "FakeSystemDialogs.h"
#include "MainWindow.h"
#include "Services.h"
#include "Settings.h"

#include <QApplication>
#include <QTemporaryDir>

#include <memory>

// What the main-window tests start the program with: faked dialogs and outside world, a
// fresh engine, and a settings file and desktop folders in a temporary folder. The test
// classes call setUp() from init() and tearDown() from cleanup().
class MainWindowFixture {
protected:
    void setUp()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        dialogs_ = std::make_unique<orvane::FakeSystemDialogs>();
        environment_ = std::make_unique<orvane::FakeEnvironment>();
        environment_->desktop = dir_->filePath(QStringLiteral("desktop"));
        environment_->applications = dir_->filePath(QStringLiteral("applications"));
        engine_ = std::make_unique<orvane::engine::Engine>();
        services_ = std::make_unique<orvane::Services>(
            orvane::Services{*dialogs_, *environment_, *engine_});
        settings_ = std::make_unique<orvane::Settings>(settingsPath());
    }
    void tearDown()
    {
        window_.reset();
        QApplication::closeAllWindows();
    }
    QString settingsPath() const { return dir_->filePath(QStringLiteral("orvane.ini")); }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<orvane::FakeSystemDialogs> dialogs_;
    std::unique_ptr<orvane::FakeEnvironment> environment_;
    std::unique_ptr<orvane::engine::Engine> engine_;
    std::unique_ptr<orvane::Services> services_;
    std::unique_ptr<orvane::Settings> settings_;
    std::unique_ptr<orvane::MainWindow> window_;
};
