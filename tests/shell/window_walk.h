// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Watches every window that shows while a test drives the program: hands ours to `inspect`,
// then closes it (a dialog as if cancelled), so that any command can run to its end.

#include <QApplication>
#include <QByteArray>
#include <QDialog>
#include <QEvent>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace shelltest {

// Our own classes live in namespaces; Qt's (message boxes, file dialogs) do not.
inline bool isOurs(const QWidget* window) { return QByteArray(window->metaObject()->className()).contains("::"); }

class WindowInspector : public QObject {
public:
    using Inspect = std::function<void(const QWidget* root, const QString& where, bool dialog)>;
    WindowInspector(const QWidget* mainWindow, Inspect inspect) : m_main(mainWindow), m_inspect(std::move(inspect)) {
        qApp->installEventFilter(this);
    }
    ~WindowInspector() override { qApp->removeEventFilter(this); }

    QStringList seen;  // class names of our windows, as they showed

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
        auto* window = static_cast<QWidget*>(watched);
        const Qt::WindowType type = window->windowType();
        if (!window->isWindow() || window == m_main || type == Qt::Popup || type == Qt::ToolTip) return false;
        if (isOurs(window)) {
            seen.append(QLatin1String(window->metaObject()->className()));
            const QString name = QString(window->metaObject()->className()) + " \"" + window->windowTitle() + '"';
            m_inspect(window, name, qobject_cast<QDialog*>(window) != nullptr);
        }
        if (auto* dialog = qobject_cast<QDialog*>(window))
            QTimer::singleShot(0, dialog, &QDialog::reject);
        else
            QTimer::singleShot(0, window, &QWidget::close);
        return false;
    }

private:
    const QWidget* m_main;
    Inspect m_inspect;
};

} // namespace shelltest
