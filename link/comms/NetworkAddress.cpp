#include "NetworkAddress.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>
#include <cmath>

namespace {

// Beyond this a connection attempt is as good as none.
constexpr double LONGEST_TIMEOUT_SECONDS = 600;

// Reads the options into the address; the first problem, or "".
std::string ReadOptions(const QUrlQuery& query, NetworkAddress& address) {
    for (const auto& [name, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (name == QLatin1String("timeout")) {
            bool bNumber = false;
            const double seconds = value.toDouble(&bNumber);
            if (!bNumber || !std::isfinite(seconds) || seconds <= 0 ||
                seconds > LONGEST_TIMEOUT_SECONDS)
                return "timeout=" + value.toStdString() + " is no number of seconds up to 600";
            address.timeout = std::chrono::milliseconds(std::lround(seconds * 1000));
        } else if (name != QLatin1String("logging") && name != QLatin1String("ign_set_control") &&
                   name != QLatin1String("poll_modem")) {
            return "unknown option \"" + name.toStdString() + "\"";
        }
    }
    return {};
}

std::string Problem(const QString& text, NetworkAddress& address) {
    // scheme://host:port/?options, the host a name, an IPv4 or a [bracketed] IPv6 address; a
    // path means nothing, as to pyserial.
    static const QRegularExpression form(QStringLiteral(
        R"(^[^:]*://(\[[^\]/]*\]|[^:/?#]*)(?::([^/?#]*))?(?:/[^?#]*)?(?:\?(.*))?$)"));
    const QRegularExpressionMatch parts = form.match(text);
    const QString scheme = text.section(QLatin1Char(':'), 0, 0).toLower();
    if (scheme == QLatin1String("rfc2217"))
        address.protocol = NetworkAddress::Protocol::Rfc2217;
    else if (scheme != QLatin1String("socket"))
        return "the scheme \"" + scheme.toStdString() + "\" is none of these";
    if (!parts.hasMatch() || parts.captured(1).isEmpty())
        return "no host";
    bool bNumber = false;
    const uint port = parts.captured(2).toUInt(&bNumber);
    if (parts.captured(2).isEmpty())
        return "no port";
    if (!bNumber || port == 0 || port > 65535)
        return "port " + parts.captured(2).toStdString() + " is no number from 1 to 65535";
    address.host = parts.captured(1).remove(QLatin1Char('[')).remove(QLatin1Char(']'));
    address.port = static_cast<quint16>(port);
    return ReadOptions(QUrlQuery(parts.captured(3)), address);
}

} // namespace

// A device path starts with '/'; a URL with its scheme and a colon.
bool NetworkAddress::IsNetworkName(std::string_view target) {
    const std::size_t colon = target.find(':');
    return colon != std::string_view::npos && colon > 0 && target.find_first_of("/\\") > colon;
}

NetworkAddress NetworkAddress::Parse(std::string_view text) {
    NetworkAddress address;
    address.error =
        Problem(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), address);
    return address;
}
