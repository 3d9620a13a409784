#include "NetworkAddress.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>
#include <cmath>

namespace {

// Beyond this a connection attempt is as good as none.
constexpr double LONGEST_TIMEOUT_SECONDS = 600;

// The port as written, for a text QUrl refuses: "" when none is written.
QString PortText(const QString& url) {
    QString authority =
        url.section(QLatin1Char(':'), 1).remove(QRegularExpression(QStringLiteral("^/*")));
    authority = authority.left(authority.indexOf(QRegularExpression(QStringLiteral("[/?#]"))));
    const qsizetype colon = authority.lastIndexOf(QLatin1Char(':'));
    return colon < 0 || authority.endsWith(QLatin1Char(']')) ? QString() : authority.mid(colon + 1);
}

std::string PortProblem(const QString& url) {
    const QString port = PortText(url);
    if (port.isEmpty())
        return "no port";
    return "port " + port.toStdString() + " is no number from 1 to 65535";
}

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
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = text.section(QLatin1Char(':'), 0, 0).toLower();
    if (scheme == QLatin1String("rfc2217"))
        address.protocol = NetworkAddress::Protocol::Rfc2217;
    else if (scheme != QLatin1String("socket"))
        return "the scheme \"" + scheme.toStdString() + "\" is none of these";
    if (!url.isValid())
        return url.port() == -1 && !PortText(text).isEmpty() ? PortProblem(text)
                                                             : "it is no valid URL";
    if (url.host().isEmpty())
        return "no host";
    if (url.port() <= 0)
        return PortProblem(text);
    if (!url.path().isEmpty() && url.path() != QLatin1String("/"))
        return "unexpected path \"" + url.path().toStdString() + "\"";
    address.host = url.host();
    address.port = static_cast<quint16>(url.port());
    return ReadOptions(QUrlQuery(url), address);
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
