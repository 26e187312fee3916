#ifndef EVENTLOG_H
#define EVENTLOG_H

#include "baseframe.h"

#include <QListView>

namespace Ui {
class Eventlog;
}

class EventRowsModel;

// "Messages and Log": the events of the door-state object, newest on top,
// two rows each (time, then text), scrolled by four arrow buttons.  Viewing
// the log acknowledges the events only for a logged-in user.
class Eventlog : public BaseFrame
{
    Q_OBJECT

public:
    explicit Eventlog(QWidget *parent = nullptr);
    ~Eventlog() override;

protected:
    void refreshScreen(BaseFrame::auth_level level, bool entered) override;

private slots:
    void on_btnFirstLine_clicked();
    void on_btnLastLine_clicked();
    void on_btnLineUp_clicked();
    void on_btnLineDown_clicked();
    void on_btnBack_clicked();

private:
    void scrollRows(int rows);

    Ui::Eventlog *ui;
    EventRowsModel *rows;
};

// The log's list: a list view whose rows all have the height of one, laid
// out as row times that height.  A list view lays out every row it holds
// again whenever rows come or go, and paints all it shows; this one only
// works out where its rows are, and moves what it shows when rows come or go
// above it, so that only the rows new to the view are painted: a new event
// costs the same with 2,000 rows held as with 20.
//
// It does what the log's form asks of a list view, as the list view does
// it: one column of rows from top to bottom, scrolled a row a step, both
// scroll bars off, one row selected at a time, left to right, nothing edited
// or dragged.  The list view's own layout is never made here, so each of its
// members that would read that layout is replaced.
class EventRows : public QListView
{
    Q_OBJECT

public:
    explicit EventRows(QWidget *parent = nullptr);

    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    void doItemsLayout() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void updateGeometries() override;
    void mousePressEvent(QMouseEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;

private:
    int rowCount() const;
    int rowHeight() const;
    // Rows that fit the viewport whole, at least one.
    int rowsInView() const;
    int shownFrom(int start);

    mutable QSize itemSize; // of every row, learnt from the last one
    bool inTimer = false;
    bool scrolledSincePress = false;
    bool onlyRowsMoved = false; // what the next layout follows has been repainted already
};

#endif // EVENTLOG_H
