#ifndef IO_H
#define IO_H

#include "baseframe.h"

#include <QVector>

class QPushButton;

namespace Ui {
class IO;
}

// The I/O menu: the way to the live input and output pages.  Which pages a
// door build offers here is data in the build's own file.
class IO : public BaseFrame
{
    Q_OBJECT

public:
    enum Offer {
        NotOffered,
        Offered,
        OfferedUnlessNoExtension, // hidden, on entry, while the panel is set to "noextension"
    };
    struct Entry
    {
        const char *page;
        Offer offer;
    };

    explicit IO(QWidget *parent = nullptr);
    ~IO() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnTimes_clicked();
    void on_btnPositions_clicked();
    void on_btnMode3_3_clicked();
    void on_btnMode4_3_clicked();
    void on_btnMode4_4_clicked();
    void on_btnBack_clicked();

private:
    void enter(const char *page);

    // Per door build (io_<build>.cpp): the pages the menu offers; a page not listed is not.
    static const QVector<Entry> entries;

    Ui::IO *ui;
    // The entries whose button hides under "noextension".
    QVector<QPushButton *> extensionButtons;
};

#endif // IO_H
