#ifndef PARAMSCREEN_H
#define PARAMSCREEN_H

#include "adjust.h"
#include "baseframe.h"
#include "paramtable.h"

#include <QVector>

class QButtonGroup;
class QLabel;
class QPushButton;

namespace Ui {
class ParamScreen;
}

// A screen of controller parameters, built from its table: one row per
// parameter, a caption and a button that shows the value.
//
// Every entry drops the held configuration block and asks the controller for
// it again until it comes.  A tap edits a copy of the records in the value
// dialog; Enter after a change writes every row of the screen into the held
// block and marks it modified.  Back sends the modified block and leaves;
// a logout leaves and sends nothing.
// Only a block the controller sent whole is ever written: its start image
// or a short block is shown, never sent back.
class ParamScreen : public BaseFrame
{
    Q_OBJECT

public:
    // `context`: the screen's class name, under which the table's texts are
    // translated, as its form's are.
    ParamScreen(const ParamTable &table, const char *context, QWidget *parent);
    ~ParamScreen() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnBack_clicked();
    void onButtonClicked(int button);

private:
    void applyRules(BaseFrame::auth_level level);
    qint32 runTimeMax() const;

    Ui::ParamScreen *ui;
    const ParamTable &table;
    QVector<AdjustParam> records;
    QVector<QLabel *> captions;
    QButtonGroup *buttonGroup;
    QVector<bool> hiddenByType;
};

// The five parameter screens, each its table on the one frame.  A door
// build gives a screen its table in a file of its own (<screen>_<build>.cpp),
// or lists the one all builds share (<screen>.cpp).
class Times : public ParamScreen
{
    Q_OBJECT
public:
    explicit Times(QWidget *parent = nullptr) : ParamScreen(table(), staticMetaObject.className(), parent) {}

    // The title and the parameters as every build has them (times.cpp).
    static const char *const Title;
    static const ParamField BlackoutTime, DockingTime, PreAlarmTime, ReClosingTime, SafetyStroke, OpeningTime;

    // Per door build (times_<build>.cpp): the rows, with the build's
    // captions, which of them show and which hide for a controller type.
    static const ParamTable &table();
};

class Positions : public ParamScreen
{
    Q_OBJECT
public:
    explicit Positions(QWidget *parent = nullptr) : ParamScreen(table(), staticMetaObject.className(), parent) {}

    // The title and the parameters as every build has them (positions.cpp).
    static const char *const Title;
    static const ParamField OpenSlowDistance, CloseSlowDistance, OpenSensorOffDistance, CloseSensorOffDistance;

    // Per door build (positions_<build>.cpp): the rows and which of them show.
    static const ParamTable &table();
};

class Speed : public ParamScreen
{
    Q_OBJECT
public:
    explicit Speed(QWidget *parent = nullptr) : ParamScreen(table(), staticMetaObject.className(), parent) {}
    static const ParamTable &table();
};

class Current : public ParamScreen
{
    Q_OBJECT
public:
    explicit Current(QWidget *parent = nullptr) : ParamScreen(table(), staticMetaObject.className(), parent) {}
    static const ParamTable &table();
};

class Ramp : public ParamScreen
{
    Q_OBJECT
public:
    explicit Ramp(QWidget *parent = nullptr) : ParamScreen(table(), staticMetaObject.className(), parent) {}
    static const ParamTable &table();
};

#endif // PARAMSCREEN_H
