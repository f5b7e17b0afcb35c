// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConstantsPage.h"

#include "Engine.h"
#include "FlatButton.h"
#include "PlotterHost.h"
#include "QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace orvane {

ConstantsPage::ConstantsPage(PlotterHost& host, Services& services, QWidget* parent)
    : QFrame(parent), host_(host), services_(services)
{
    setObjectName(QStringLiteral("Fra_4"));
    lstConstants_ = new QListWidget(this);
    lstConstants_->setObjectName(QStringLiteral("lstConstants"));
    txtConstName_ = new QLineEdit(this);
    txtConstName_->setObjectName(QStringLiteral("txtConstName"));
    txtConstValue_ = new QLineEdit(this);
    txtConstValue_->setObjectName(QStringLiteral("txtConstValue"));
    cmdAddConst_ = new FlatButton(this);
    cmdAddConst_->setObjectName(QStringLiteral("cmdAddConst"));
    cmdRemoveConst_ = new FlatButton(this);
    cmdRemoveConst_->setObjectName(QStringLiteral("cmdRemoveConst"));

    auto* boxes = new QGridLayout;
    boxes->addWidget(new QLabel(QStringLiteral("常数名："), this), 0, 0);
    boxes->addWidget(txtConstName_, 0, 1);
    boxes->addWidget(new QLabel(QStringLiteral("常数值："), this), 1, 0);
    boxes->addWidget(txtConstValue_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAddConst_);
    buttons->addWidget(cmdRemoveConst_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstConstants_, 1);
    layout->addLayout(boxes);
    layout->addLayout(buttons);

    connect(cmdAddConst_, &FlatButton::Click, this, &ConstantsPage::addClicked);
    connect(cmdRemoveConst_, &FlatButton::Click, this, &ConstantsPage::removeClicked);
}

bool ConstantsPage::addUserConstant(const QString& name, const QString& value)
{
    const engine::Outcome outcome =
        services_.engine.addUserConstant(toStdString(name), toStdString(value));
    if (!outcome.message.empty())
        services_.dialogs.inform(window(), toQString(outcome.message), outcome.icon);
    if (outcome.ok) refreshRows();
    return outcome.ok;
}

void ConstantsPage::refreshRows()
{
    const std::vector<std::string>& rows = services_.engine.constantRows();
    lstConstants_->clear();
    for (const std::string& row : rows)
        lstConstants_->addItem(toQString(row));
}

bool ConstantsPage::isListedAlready(const QString& typedName)
{
    const QString name = typedName.trimmed().toUpper();
    for (int i = 0; i < lstConstants_->count(); ++i) {
        lstConstants_->setCurrentRow(i);
        // Only the start of a row counts, so a prefix of a listed name is refused too.
        if (lstConstants_->item(i)->text().trimmed().toUpper().left(name.size()) == name)
            return true;
    }
    return false;
}

void ConstantsPage::addClicked()
{
    const QString name = txtConstName_->text();
    const QString value = txtConstValue_->text();
    const QListWidgetItem* selected = lstConstants_->currentItem();
    // An empty name would match every row; the engine's own message fits it better.
    if (selected && !selected->text().isEmpty() && !name.trimmed().isEmpty() &&
        isListedAlready(name)) {
        services_.dialogs.inform(window(), name + QStringLiteral("已经存在"), MessageIcon::Warning);
        return;
    }
    if (addUserConstant(name, value)) {
        host_.addConstantEntry(name, value, lstConstants_->count());
        txtConstName_->clear();
        txtConstValue_->clear();
    }
    selectLastRow();
}

void ConstantsPage::removeClicked()
{
    const int row = lstConstants_->currentRow();
    const engine::Outcome outcome = services_.engine.removeSelectedConstant(row);
    if (!outcome.message.empty())
        services_.dialogs.inform(window(), toQString(outcome.message), outcome.icon);
    if (outcome.ok) {
        host_.removeConstantEntry(row + 1);
        refreshRows();
        selectLastRow();
    }
}

void ConstantsPage::selectLastRow()
{
    if (lstConstants_->count() > 0) lstConstants_->setCurrentRow(lstConstants_->count() - 1);
}

} // namespace orvane
