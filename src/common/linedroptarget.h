#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Lets a widget take a line dragged out of one named list: while such a line is dragged over it
// the drop is offered, and a drop runs the given command. Lines of other lists are refused;
// other data is left to the widget itself.
class LineDropTarget : public QObject
{
    Q_OBJECT

public:
    LineDropTarget(const QString& sourceList, std::function<void()> onDrop, QObject* parent);

    // Makes the widget (and, with its children, every widget inside it) such a target.
    void install(QWidget* widget, bool withChildren = false);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QString m_sourceList;
    const std::function<void()> m_onDrop;
};
