#pragma once

#include <QAbstractListModel>

namespace v32 {

// The port names the start dialog offers, "COM1" to "COM10". The list shows each with the
// device it stands for on this system; the name alone is what is edited and stored.
class SerialPortListModel : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr int kPortCount = 10;

    using QAbstractListModel::QAbstractListModel;

    static QString portName(int row);
    // "COM1 (/dev/ttyUSB0)"; the name alone when it names no device.
    static QString describedPortName(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
};

} // namespace v32
