#pragma once

#include <QWidget>

class QListView;
class QStandardItemModel;

namespace VxLineKepp {
class ItemDelegate;
}

// The LINE view's left column on its "LINE Keep" tab: six kinds of kept
// items (Texts, Photos, Videos, Audios, Documents, Other; types 0 to 5).
// Choosing a row by mouse, keys or an assistive tool tells the view its
// type; clicking the current row again tells it again. Rows are named by
// their translated names; the list is "LINE Keep types".
class LineKeepTableHeaderView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int IconSide = 32;

    explicit LineKeepTableHeaderView(QWidget *parent = nullptr);

    QListView *listView() const;
    int currentRow() const;
    // The row painted as current (the view sets 0 when the tab opens).
    void setCurrentRow(int row);
    void addKeepType(int type, const QString &name, const QString &iconPath, const QSize &iconSize);

signals:
    void sigClickedKeepType(int type);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void choose(int row);
    void retranslate();

    QListView *m_list = nullptr;
    QStandardItemModel *m_model = nullptr;
    VxLineKepp::ItemDelegate *m_delegate = nullptr;
    // The row the current change of a mouse press chose, whose click follows.
    int m_chosenByPress = -1;
};
