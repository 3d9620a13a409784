#pragma once
// The lines one Qt logging category writes while an object of this class is in scope.

#include <QLoggingCategory>
#include <QString>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

class CapturedMessages {
public:
    explicit CapturedMessages(std::string category)
        : m_category(std::move(category)), m_previous(qInstallMessageHandler(&Collect)) {
        s_current = this;
    }
    ~CapturedMessages() {
        s_current = nullptr;
        qInstallMessageHandler(m_previous);
    }
    CapturedMessages(const CapturedMessages&) = delete;
    CapturedMessages& operator=(const CapturedMessages&) = delete;

    std::vector<std::string> Lines() const {
        const std::lock_guard lock(m_mutex);
        return m_lines;
    }

private:
    static void Collect(QtMsgType, const QMessageLogContext& context, const QString& text) {
        CapturedMessages* self = s_current;
        if (!self || !context.category || self->m_category != context.category)
            return;
        const std::lock_guard lock(self->m_mutex);
        self->m_lines.push_back(text.toStdString());
    }

    static inline CapturedMessages* s_current = nullptr;
    std::string m_category;
    QtMessageHandler m_previous;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_lines;
};
