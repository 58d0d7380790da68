// The splash screen of a plain start: the program's name and version, shown
// for 2000 ms or until the first key or mouse press.
#pragma once

#include <QObject>

class QSplashScreen;

namespace orvane {

inline constexpr int kSplashMs = 2000;

class Splash : public QObject {
    Q_OBJECT
public:
    explicit Splash(const char* version);
    ~Splash() override;

    bool isShowing() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void close();

    QSplashScreen* m_screen;
};

} // namespace orvane
