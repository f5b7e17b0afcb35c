// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"

#include <QFrame>

class QLineEdit;
class QListWidget;

namespace orvane {

class PlotterHost;
class FlatButton;

// Page "常数": the named constants that expressions may use, added and removed here
// and kept in the settings file.
class ConstantsPage : public QFrame {
    Q_OBJECT
public:
    ConstantsPage(PlotterHost& host, Services& services, QWidget* parent = nullptr);

    // Adds a constant through the engine, showing its refusal messages; used by the
    // page's button and by start-up for the saved list.
    bool addUserConstant(const QString& name, const QString& value);
    // Shows the engine's rows again.
    void refreshRows();

    FlatButton* addButton() const { return cmdAddConst_; }
    FlatButton* removeButton() const { return cmdRemoveConst_; }

private:
    void addClicked();
    void removeClicked();
    bool isListedAlready(const QString& typedName);
    void selectLastRow();

    PlotterHost& host_;
    Services& services_;
    QListWidget* lstConstants_;
    QLineEdit* txtConstName_;
    QLineEdit* txtConstValue_;
    FlatButton* cmdAddConst_;
    FlatButton* cmdRemoveConst_;
};

} // namespace orvane
