#ifndef SYSTEMINFO_H
#define SYSTEMINFO_H

#include "baseframe.h"

namespace Ui {
class Systeminfo;
}

// The panel program's version and build date beside the version text the
// door controller reports.
class Systeminfo : public BaseFrame
{
    Q_OBJECT

public:
    explicit Systeminfo(QWidget *parent = nullptr);
    ~Systeminfo() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnBack_clicked();

private:
    // Per door build (systeminfo_<build>.cpp).
    static const char *const buildDate;

    Ui::Systeminfo *ui;
};

#endif // SYSTEMINFO_H
