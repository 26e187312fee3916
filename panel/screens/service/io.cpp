#include "io.h"
#include "ui_io.h"

#include "panelsettings.h"
#include "screennames.h"

#include <QPair>

IO::IO(QWidget *parent)
    : BaseFrame(parent)
    , ui(new Ui::IO)
{
    ui->setupUi(this);
    setHeaderWidgets(ui->btnUser, ui->btnMessage, ui->lblFire, nullptr);

    const QPair<QPushButton *, const char *> buttons[] = {
        {ui->btnTimes, ScreenName::InputsMain},
        {ui->btnPositions, ScreenName::InputsExtension},
        {ui->btnMode3_3, ScreenName::OutputsMain},
        {ui->btnMode4_3, ScreenName::OutputsExtension},
        {ui->btnMode4_4, ScreenName::OutputsExtension2},
    };
    for (const auto &button : buttons) {
        Offer offer = NotOffered;
        for (const Entry &entry : entries) {
            if (qstrcmp(entry.page, button.second) == 0)
                offer = entry.offer;
        }
        button.first->setEnabled(offer != NotOffered);
        if (offer == OfferedUnlessNoExtension)
            extensionButtons.append(button.first);
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

void IO::enter(const char *page)
{
    emit segue(QString::fromLatin1(page), false);
}

void IO::on_btnTimes_clicked()
{
    enter(ScreenName::InputsMain);
}

void IO::on_btnPositions_clicked()
{
    enter(ScreenName::InputsExtension);
}

void IO::on_btnMode3_3_clicked()
{
    enter(ScreenName::OutputsMain);
}

void IO::on_btnMode4_3_clicked()
{
    enter(ScreenName::OutputsExtension);
}

void IO::on_btnMode4_4_clicked()
{
    enter(ScreenName::OutputsExtension2);
}

void IO::on_btnBack_clicked()
{
    emit segueBack();
}
