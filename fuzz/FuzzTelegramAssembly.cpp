// libFuzzer entry: received bytes in arbitrary chunks, cut into telegrams and queued as the port
// worker does, while the program reads the queue, keeps buffers a while and queues writes in any
// order. Every telegram fits a buffer and holds no terminator; the chunking does not change what
// is cut; the pool never holds more buffers than it has; the read queue stays within its limit;
// the reader gets telegrams whole and in order.
#include "CChannelState.h"
#include "CTelegramCutter.h"
#include "IWindowTarget.h"
#include "QMgr.h"
#include "eCommProp.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

class NullWindow : public IWindowTarget {
public:
    void OnWindowMessage(std::uint32_t) override {}
};

class Assembly {
public:
    explicit Assembly(char terminator) : m_terminator(terminator) {
        m_cutter.SetTerminator(terminator);
        m_state.SetQMgr(&m_qmgr);
        m_nReadQueue = m_qmgr.QGet();
        m_nWriteQueue = m_qmgr.QGet();
        m_state.SetReadMechanism({m_nReadQueue, REPLY_POST_MESSAGE, nullptr, &m_window, 101},
                                 [this] { ++m_nNotices; });
        m_state.SetWriteMechanism({m_nWriteQueue, REPLY_NONE, nullptr, nullptr, 0});
    }

    void Receive(const std::string& chunk) {
        m_received += chunk;
        m_cutter.Feed(chunk, [this](std::string_view telegram) {
            Require(!telegram.empty() && telegram.size() <= BUFFER_TEXT_MAX);
            Require(telegram.find(m_terminator) == std::string_view::npos);
            Require(telegram.find('\0') == std::string_view::npos);
            // The telegram's number stands in for the tick, so the reader can tell which it got.
            m_state.DeliverTelegram(telegram, static_cast<std::uint32_t>(m_telegrams.size()));
            m_telegrams.emplace_back(telegram);
        });
    }

    void Read(std::size_t nBuffers) {
        for (; nBuffers > 0; --nBuffers) {
            Buffer* pBuffer = m_qmgr.GetBuf(m_nReadQueue);
            if (!pBuffer)
                return;
            CheckReadBuffer(*pBuffer);
            m_held.push_back(pBuffer);
        }
    }

    void GiveBack() {
        for (Buffer* pBuffer : m_held)
            Require(m_qmgr.PutBuf(0, pBuffer) == 1);
        m_held.clear();
    }

    // As the window's handler: a notice that names waiting telegrams makes it read them all.
    void TakeNotice() {
        if (m_nNotices == 0)
            return;
        --m_nNotices;
        const bool bWaiting = m_qmgr.Count(m_nReadQueue) > 0;
        Require(m_state.TakeNotice().has_value() == bWaiting);
        Read(QMGR_BUFFER_COUNT);
    }

    void QueueWrite(const std::string& text) {
        Buffer* pBuffer = m_qmgr.GetBuf(0);
        if (!pBuffer)
            return;
        const std::size_t length = std::min(text.size(), BUFFER_TEXT_MAX);
        std::memcpy(pBuffer->m_szText, text.data(), length);
        pBuffer->m_nLength = static_cast<std::uint32_t>(length);
        Require(m_qmgr.PutBuf(m_nWriteQueue, pBuffer) == 1);
    }

    void DrainWrites(bool bPortTakesThem) {
        m_state.DrainWrites([&](const char*, std::size_t nLength) {
            Require(nLength <= BUFFER_TEXT_MAX);
            return bPortTakesThem;
        });
        Require(m_qmgr.Count(m_nWriteQueue) == 0);
    }

    void CheckPool() const {
        Require(m_qmgr.Count(m_nReadQueue) <= READ_BACKLOG_LIMIT);
        Require(m_qmgr.Count(0) + m_qmgr.Count(m_nReadQueue) + m_qmgr.Count(m_nWriteQueue) +
                    m_held.size() ==
                QMGR_BUFFER_COUNT);
        // No telegram waits unannounced, and no notice is posted twice.
        Require(m_nNotices <= 1);
        Require(m_qmgr.Count(m_nReadQueue) == 0 || m_nNotices == 1);
    }

    // Cutting everything received in one piece gives the same telegrams.
    void CheckAgainstWhole() const {
        CTelegramCutter whole;
        whole.SetTerminator(m_terminator);
        std::vector<std::string> telegrams;
        whole.Feed(m_received,
                   [&](std::string_view telegram) { telegrams.emplace_back(telegram); });
        Require(telegrams == m_telegrams);
        Require(whole.LinesTooLong() == m_cutter.LinesTooLong());
    }

private:
    void CheckReadBuffer(const Buffer& buffer) {
        Require(buffer.m_nKind == BUFFER_KIND_READ && buffer.m_nLength <= BUFFER_TEXT_MAX);
        Require(buffer.m_szText[buffer.m_nLength] == '\0');
        const std::uint32_t nTelegram = buffer.m_dwTimeStamp;
        Require(nTelegram < m_telegrams.size() && nTelegram >= m_nNextRead);
        Require(std::string_view(buffer.m_szText, buffer.m_nLength) == m_telegrams[nTelegram]);
        m_nNextRead = nTelegram + 1;
    }

    char m_terminator;
    QMgr m_qmgr;
    CChannelState m_state;
    CTelegramCutter m_cutter;
    NullWindow m_window;
    std::uint32_t m_nReadQueue = 0;
    std::uint32_t m_nWriteQueue = 0;
    int m_nNotices = 0;
    std::string m_received;
    std::vector<std::string> m_telegrams;
    std::vector<Buffer*> m_held;
    std::uint32_t m_nNextRead = 0;
};

enum class Step {
    Receive,
    Read,
    GiveBack,
    TakeNotice,
    QueueWrite,
    DrainWrites,
    kMaxValue = DrainWrites
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    // Mostly the line feed the unit ends its telegrams with; any byte may be configured.
    const char terminator = input.ConsumeBool() ? '\n' : input.ConsumeIntegral<char>();
    Assembly assembly(terminator);
    while (input.remaining_bytes() > 0) {
        switch (input.ConsumeEnum<Step>()) {
        case Step::Receive:
            assembly.Receive(input.ConsumeRandomLengthString(1024));
            break;
        case Step::Read:
            assembly.Read(input.ConsumeIntegralInRange<std::size_t>(1, QMGR_BUFFER_COUNT));
            break;
        case Step::GiveBack:
            assembly.GiveBack();
            break;
        case Step::TakeNotice:
            assembly.TakeNotice();
            break;
        case Step::QueueWrite:
            assembly.QueueWrite(input.ConsumeRandomLengthString(BUFFER_TEXT_SIZE + 8));
            break;
        case Step::DrainWrites:
            assembly.DrainWrites(input.ConsumeBool());
            break;
        }
        assembly.CheckPool();
    }
    assembly.CheckAgainstWhole();
    return 0;
}
