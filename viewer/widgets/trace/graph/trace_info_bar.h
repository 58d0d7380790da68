// The trace information bar: acquisition figures of the primary trace, each
// "TBD" until a trace fills it.
#pragma once

#include <QWidget>

#include <array>

class CT6;
class QLabel;

namespace orvane::graph {

class TraceInfoBar : public QWidget {
    Q_OBJECT
public:
    explicit TraceInfoBar(QWidget* parent = nullptr);
    // No record: every figure back to "TBD".
    void Refresh(const CT6* primary);
    QString FieldText(int index) const;

    static constexpr int kFieldCount = 9;

private:
    std::array<QLabel*, kFieldCount> m_values{};
};

} // namespace orvane::graph
