#ifndef IOPAGE_H
#define IOPAGE_H

#include "baseframe.h"
#include "controllertype.h"

#include <QVector>

class QLabel;

namespace Ui {
class IoPage;
}

// One input or output, as an I/O page tests it: a bit of the main I/O word
// (group MainWord) or of the word of an I/O group.
struct IoBit
{
    static constexpr int MainWord = -1;
    int group;
    int bit;
};

// A row of an I/O page: its name (nullptr: the form's), and the bits that
// light its indicator (any one of them at its active level).  A row that is
// not shown keeps its texts but never appears.
struct IoRow
{
    const char *name;
    QVector<IoBit> litBy;
    bool shown = true;
};

// A bottom button that turns to a neighbour page in place.  A button that is
// not shown never appears; its target still stands for the neighbour.
struct IoPageTurn
{
    const char *target = nullptr;
    bool shown = false;
};

// A row whose name changes for good once the record reports one of the
// controller types.  A page without one (row -1) keeps the names of its
// table.
struct IoRelabel
{
    int row = -1;
    const char *name = nullptr;
    QVector<ControllerType> forTypes = {};

    bool appliesTo(const DoorControl &door) const
    {
        return row >= 0 && name && ControllerType::anyReportedBy(forTypes, door);
    }
};

// What a door build puts into the I/O page frame for one page.
struct IoPageTable
{
    const char *title;
    const char *numbers;          // "In" or "Out": row r, shown or not, is numbered <numbers>r
    QVector<IoRow> rows;          // from the top; further rows never show
    IoPageTurn previous;
    IoPageTurn next;
    // "next part" hides, on entry, while the panel is set to "noextension".
    bool nextNeedsExtension = false;
    IoRelabel relabel = {};
};

// The I/O page frame: header, title, ten rows of indicator, number and name,
// and the bottom buttons "<-- back", "previous part" and "next part".  Each
// page is this frame filled from its table; an indicator is lime while one of
// its row's bits is active and silver otherwise.  Moves to a neighbour page
// are in place, so "<-- back" always returns to where the first page was
// entered from.
class IoPage : public BaseFrame
{
    Q_OBJECT

public:
    // `context`: the page's class name, under which the table's texts are
    // translated, as its form's are.
    IoPage(const IoPageTable &table, const char *context, QWidget *parent);
    ~IoPage() override;

    static constexpr int RowCount = 10;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnBack_clicked();
    void on_btnPrev_clicked();
    void on_btnNext_clicked();

private:
    bool rowActive(const IoRow &row) const;

    Ui::IoPage *ui;
    const IoPageTable &table;
    QLabel *indicators[RowCount];
    QLabel *names[RowCount];
};

// The five pages of the stack, each the frame filled from its table.  Each
// door build gives each page its table in a file of its own
// (<page>_<build>.cpp), or lists build A's.
class In0_0 : public IoPage
{
    Q_OBJECT
public:
    explicit In0_0(QWidget *parent = nullptr) : IoPage(table(), staticMetaObject.className(), parent) {}
    static const IoPageTable &table();
};

class In0_1 : public IoPage
{
    Q_OBJECT
public:
    explicit In0_1(QWidget *parent = nullptr) : IoPage(table(), staticMetaObject.className(), parent) {}
    static const IoPageTable &table();
};

class Out0_0 : public IoPage
{
    Q_OBJECT
public:
    explicit Out0_0(QWidget *parent = nullptr) : IoPage(table(), staticMetaObject.className(), parent) {}
    static const IoPageTable &table();
};

class Out0_1 : public IoPage
{
    Q_OBJECT
public:
    explicit Out0_1(QWidget *parent = nullptr) : IoPage(table(), staticMetaObject.className(), parent) {}
    static const IoPageTable &table();
};

class Out0_2 : public IoPage
{
    Q_OBJECT
public:
    explicit Out0_2(QWidget *parent = nullptr) : IoPage(table(), staticMetaObject.className(), parent) {}
    static const IoPageTable &table();
};

#endif // IOPAGE_H
