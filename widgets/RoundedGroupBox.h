#pragma once

// A group frame with rounded corners and its title set into the top edge. Its children are
// placed by the window at fixed positions inside it.

#include <QWidget>

class TRoundedGroupBox : public QWidget {
    Q_OBJECT

public:
    explicit TRoundedGroupBox(const QString& Caption, QWidget* Parent = nullptr);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QString FCaption;
};
