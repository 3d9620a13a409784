#pragma once
// Collects the lines of the program's logging categories ("quendix.*") while it lives, as
// "category: text", for tests of what the program tells on standard error. Lines from the
// test's own thread only.

#include <QString>
#include <QtGlobal>
#include <string>
#include <vector>

class LogCapture {
public:
    LogCapture() : m_previous(qInstallMessageHandler(&Collect)) { s_lines.clear(); }
    ~LogCapture() { qInstallMessageHandler(m_previous); }

    const std::vector<std::string>& Lines() const { return s_lines; }

private:
    static void Collect(QtMsgType, const QMessageLogContext& context, const QString& text) {
        const std::string category = context.category ? context.category : "";
        if (category.starts_with("quendix."))
            s_lines.push_back(category + ": " + text.toStdString());
    }

    static inline std::vector<std::string> s_lines;
    QtMessageHandler m_previous;
};
