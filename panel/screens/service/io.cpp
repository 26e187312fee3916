#include "io.h"
#include "ui_io.h"

#include "panelsettings.h"

#include <QPushButton>

IO::IO(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::IO)
{
    ui->setupUi(this);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, nullptr);

    // The menu's buttons (all but the header's and "<-- back") are offered
    // only where an entry names them.
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button != ui->btnUser && button != ui->btnMessage && button != ui->btnBack)
            button->setEnabled(false);
    }
    for (const Entry &entry : entries) {
        auto *button = findChild<QPushButton *>(QLatin1String(entry.button));
        if (!button) {
            qWarning("IO: the form has no button %s", entry.button);
            continue;
        }
        button->setEnabled(true);
        const QString page = QLatin1String(entry.page);
        connect(button, &QPushButton::clicked, this, [this, page] { emit segue(page, false); });
        if (entry.offer == OfferedUnlessNoExtension)
            extensionButtons.append(button);
    }
    hideDisabledChildren();
}

IO::~IO()
{
    delete ui;
}

// The setting is read on entry only: a change shows the next time the menu
// is entered.
void IO::refreshScreen(BaseFrame::auth_level, bool entered)
{
    if (!entered || extensionButtons.isEmpty())
        return;
    const bool noExtension = PanelSettings().noExtension();
    for (QPushButton *button : qAsConst(extensionButtons))
        button->setVisible(!noExtension);
}

void IO::on_btnBack_clicked()
{
    emit segueBack();
}
