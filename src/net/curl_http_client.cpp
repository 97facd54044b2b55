#include "net/curl_http_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cmath>
#include <memory>
#include <mutex>
#include <string_view>

#include "platform/codepage.h"
#include "platform/dates.h"

namespace kugel {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPumpInterval = std::chrono::milliseconds(50);
// A results answer is a few lines; anything near this size is not one of ours
// and must not exhaust memory.
constexpr std::size_t kMaxBodyBytes = 16 * 1024 * 1024;
constexpr double kSecondsPerDay = 86400.0;

void initCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// One cookie jar for the whole process, guarded for requests from any thread.
class CookieShare {
  public:
    CookieShare() : share_(curl_share_init()) {
        curl_share_setopt(share_, CURLSHOPT_LOCKFUNC, &CookieShare::lock);
        curl_share_setopt(share_, CURLSHOPT_UNLOCKFUNC, &CookieShare::unlock);
        curl_share_setopt(share_, CURLSHOPT_USERDATA, this);
        curl_share_setopt(share_, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
    }
    CookieShare(const CookieShare&) = delete;
    CookieShare& operator=(const CookieShare&) = delete;
    // Left alive until the process ends: requests may run during static
    // destruction of other objects.

    CURLSH* handle() const { return share_; }

  private:
    static void lock(CURL*, curl_lock_data data, curl_lock_access, void* self) {
        static_cast<CookieShare*>(self)->mutexFor(data).lock();
    }
    static void unlock(CURL*, curl_lock_data data, void* self) {
        static_cast<CookieShare*>(self)->mutexFor(data).unlock();
    }
    std::mutex& mutexFor(curl_lock_data data) {
        return mutexes_[static_cast<std::size_t>(data) % mutexes_.size()];
    }

    CURLSH* share_;
    std::array<std::mutex, CURL_LOCK_DATA_LAST> mutexes_;
};

CURLSH* cookieShare() {
    static auto* share = new CookieShare();
    return share->handle();
}

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct MultiDeleter {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;
using MultiHandle = std::unique_ptr<CURLM, MultiDeleter>;

// What the callbacks collect during one transfer.
struct Transfer {
    std::string statusLine;
    std::string body;
    bool bodyTooLarge = false;
    Clock::time_point lastData = Clock::now();
    const char* ownTimeOut = nullptr;  // why the transfer was given up here, if it was
};

std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    transfer->lastData = Clock::now();
    std::string_view line(data, bytes);
    // Every response of a redirect chain starts with its status line; the
    // last one wins.
    if (line.starts_with("HTTP/")) {
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
            line.remove_suffix(1);
        }
        transfer->statusLine.assign(line);
    }
    return bytes;
}

std::size_t onBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    transfer->lastData = Clock::now();
    if (transfer->body.size() + bytes > kMaxBodyBytes) {
        transfer->bodyTooLarge = true;
        return CURL_WRITEFUNC_ERROR;
    }
    transfer->body.append(data, bytes);
    return bytes;
}

std::string escape(CURL* easy, const std::string& text) {
    char* escaped = curl_easy_escape(easy, text.c_str(), static_cast<int>(text.size()));
    if (escaped == nullptr) {
        return {};
    }
    std::string result(escaped);
    curl_free(escaped);
    return result;
}

std::string buildUrl(CURL* easy, const HttpRequest& request) {
    std::string url = request.url;
    char separator = url.find('?') == std::string::npos ? '?' : '&';
    for (const auto& [key, value] : request.query) {
        url += separator;
        url += escape(easy, key);
        url += '=';
        url += escape(easy, value);
        separator = '&';
    }
    return url;
}

void configure(CURL* easy, const HttpRequest& request, const std::string& url, curl_slist* headers,
               Transfer& transfer, char* errorBuffer) {
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorBuffer);
    if (!request.userAgent.empty()) {
        curl_easy_setopt(easy, CURLOPT_USERAGENT, request.userAgent.c_str());
    }
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);

    if (request.cookies) {
        curl_easy_setopt(easy, CURLOPT_SHARE, cookieShare());
        curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");  // engine on, no file
    }

    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(request.connectTimeoutMs));
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, request.maxRedirects > 0 ? 1L : 0L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, static_cast<long>(std::max(request.maxRedirects, 0)));

    // Only the proxy the user entered counts; the environment's proxy
    // variables must not redirect the program's traffic behind its back.
    if (request.proxyHost.empty()) {
        curl_easy_setopt(easy, CURLOPT_PROXY, "");
    } else {
        curl_easy_setopt(easy, CURLOPT_PROXY, request.proxyHost.c_str());
        curl_easy_setopt(easy, CURLOPT_PROXYPORT, static_cast<long>(request.proxyPort));
        curl_easy_setopt(easy, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
        curl_easy_setopt(easy, CURLOPT_NOPROXY, "");
    }

    curl_easy_setopt(easy, CURLOPT_FILETIME, 1L);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &onBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
}

// curl's detail text carries the elapsed time ("... after 3 ms: ..."), which
// would make the same failure read differently each time; it is left out.
std::string withoutElapsedTime(std::string detail) {
    const std::string marker = " after ";
    const auto at = detail.find(marker);
    if (at == std::string::npos) return detail;
    auto end = at + marker.size();
    while (end < detail.size() && std::isdigit(static_cast<unsigned char>(detail[end]))) ++end;
    if (detail.compare(end, 3, " ms") != 0) return detail;
    return detail.erase(at, end + 3 - at);
}

std::string errorText(CURLcode code, const char* detail) {
    std::string text = curl_easy_strerror(code);
    if (detail != nullptr && *detail != '\0') {
        text += ": ";
        text += withoutElapsedTime(detail);
    }
    return text;
}

// Runs the transfer on a multi handle so the wait can be interrupted at a
// steady pace: the pump gets its turn every 50 ms, and the read time-out is
// measured from the last byte received (or from the connection, before any
// byte), which also bounds a server that accepts and then stays silent. The
// overall deadline bounds a server that sends a byte now and then.
CURLcode runTransfer(CURL* easy, const HttpRequest& request, const HttpPump& pump,
                     Transfer& transfer) {
    MultiHandle multi(curl_multi_init());
    if (!multi) {
        return CURLE_OUT_OF_MEMORY;
    }
    curl_multi_add_handle(multi.get(), easy);

    const auto start = Clock::now();
    const auto readTimeout = std::chrono::milliseconds(std::max(request.readTimeoutMs, 1));
    const auto deadline = start + std::chrono::milliseconds(std::max(request.totalTimeoutMs, 1));
    auto nextPump = start + kPumpInterval;
    transfer.lastData = start;
    CURLcode result = CURLE_OK;
    bool done = false;

    while (!done) {
        int running = 0;
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            break;
        }
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(multi.get(), &queued)) {
            if (message->msg == CURLMSG_DONE) {
                result = message->data.result;
                done = true;
            }
        }
        if (done) {
            break;
        }

        const auto now = Clock::now();
        if (now >= deadline) {
            transfer.ownTimeOut = "no complete answer within the overall time limit";
            result = CURLE_OPERATION_TIMEDOUT;
            break;
        }
        curl_off_t connectMicros = 0;
        curl_easy_getinfo(easy, CURLINFO_CONNECT_TIME_T, &connectMicros);
        if (connectMicros > 0) {
            const auto connected = start + std::chrono::microseconds(connectMicros);
            if (now - std::max(connected, transfer.lastData) > readTimeout) {
                transfer.ownTimeOut = "no data received within the read time-out";
                result = CURLE_OPERATION_TIMEDOUT;
                break;
            }
        }
        if (pump && now >= nextPump) {
            nextPump = now + kPumpInterval;
            if (pump()) {
                result = CURLE_ABORTED_BY_CALLBACK;
                break;
            }
        }
        const auto untilDeadline =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count() + 1;
        curl_multi_poll(multi.get(), nullptr, 0,
                        static_cast<int>(std::min<long long>(kPumpInterval.count(), untilDeadline)),
                        nullptr);
    }

    curl_multi_remove_handle(multi.get(), easy);
    return result;
}

std::optional<double> lastModifiedDay(CURL* easy) {
    curl_off_t fileTime = -1;
    if (curl_easy_getinfo(easy, CURLINFO_FILETIME_T, &fileTime) != CURLE_OK || fileTime < 0) {
        return std::nullopt;
    }
    static const double unixEpoch = *encodeDate(1970, 1, 1);
    return static_cast<double>(fileTime) / kSecondsPerDay + unixEpoch;
}

}  // namespace

HttpResponse curlHttpGet(const HttpRequest& request) {
    return curlHttpGet(request, HttpPump{});
}

HttpResponse curlHttpGet(const HttpRequest& request, const HttpPump& pump) {
    initCurlOnce();
    HttpResponse response;
    // curl would quietly use its own default port for one it cannot take.
    if (!request.proxyHost.empty() && (request.proxyPort < 1 || request.proxyPort > 65535)) {
        response.error = "Invalid proxy port " + std::to_string(request.proxyPort);
        return response;
    }
    EasyHandle easy(curl_easy_init());
    if (!easy) {
        response.error = curl_easy_strerror(CURLE_FAILED_INIT);
        return response;
    }

    const std::string url = buildUrl(easy.get(), request);
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headers(nullptr,
                                                                        &curl_slist_free_all);
    if (!request.accept.empty()) {
        const std::string accept = "Accept: " + request.accept;
        headers.reset(curl_slist_append(nullptr, accept.c_str()));
    }
    Transfer transfer;
    std::array<char, CURL_ERROR_SIZE> errorBuffer{};
    configure(easy.get(), request, url, headers.get(), transfer, errorBuffer.data());

    const CURLcode result = runTransfer(easy.get(), request, pump, transfer);
    response.statusLine = transfer.statusLine;  // shown even when the transfer broke off
    if (result != CURLE_OK) {
        response.error = transfer.bodyTooLarge ? "Answer too large"
                         : transfer.ownTimeOut ? errorText(result, transfer.ownTimeOut)
                                               : errorText(result, errorBuffer.data());
        return response;
    }

    long status = 0;
    curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &status);
    response.answered = status > 0;
    response.statusCode = static_cast<int>(status);
    response.body = ansiToUtf8(transfer.body);
    response.bytes = std::move(transfer.body);
    response.lastModified = lastModifiedDay(easy.get());
    if (!response.answered) {
        response.error = "No HTTP status received";
    }
    return response;
}

}  // namespace kugel
