#include "net/curl_http_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cmath>
#include <deque>
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

std::optional<double> lastModifiedDay(CURL* easy) {
    curl_off_t fileTime = -1;
    if (curl_easy_getinfo(easy, CURLINFO_FILETIME_T, &fileTime) != CURLE_OK || fileTime < 0) {
        return std::nullopt;
    }
    static const double unixEpoch = *encodeDate(1970, 1, 1);
    return static_cast<double>(fileTime) / kSecondsPerDay + unixEpoch;
}

HttpFailure failureOf(CURLcode code) {
    switch (code) {
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY:
            return HttpFailure::HostUnknown;
        case CURLE_COULDNT_CONNECT:
            return HttpFailure::NoConnection;
        case CURLE_OPERATION_TIMEDOUT:
            return HttpFailure::TimedOut;
        case CURLE_GOT_NOTHING:
        case CURLE_PARTIAL_FILE:
        case CURLE_RECV_ERROR:
        case CURLE_SEND_ERROR:
            return HttpFailure::BrokenOff;
        case CURLE_ABORTED_BY_CALLBACK:
            return HttpFailure::Abandoned;
        default:
            return HttpFailure::Other;
    }
}

CURLM* newMulti() {
    initCurlOnce();
    return curl_multi_init();
}

// One request from its sending to its answer. Kept at one address: curl's
// callbacks hold pointers into it.
struct Pending {
    HttpRequest request;
    EasyHandle easy;
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headers{nullptr,
                                                                        &curl_slist_free_all};
    std::string url;
    Transfer transfer;
    std::array<char, CURL_ERROR_SIZE> errorBuffer{};
    Clock::time_point started;
    bool running = false;  // on the multi handle
    bool done = false;
    HttpResponse response;
};

// Requests on one multi handle: up to `capacity` transfers at once, the
// rest waiting their turn; connections stay open between requests and are
// used again. The wait for an answer is interrupted at a steady pace (the
// pump every 50 ms), and each transfer's read time-out is measured from
// its last byte received (or from the moment it could send, before any
// byte), which also bounds a server that accepts and then stays silent.
class CurlRequestQueue : public HttpRequestQueue {
  public:
    CurlRequestQueue(int capacity, HttpPump pump)
        : capacity_(std::max(capacity, 1)), pump_(std::move(pump)), multi_(newMulti()) {
        if (multi_) {
            curl_multi_setopt(multi_.get(), CURLMOPT_MAXCONNECTS, static_cast<long>(capacity_ + 2));
        }
    }
    ~CurlRequestQueue() override {
        for (auto& p : queue_) {
            if (p->running) curl_multi_remove_handle(multi_.get(), p->easy.get());
        }
    }
    CurlRequestQueue(const CurlRequestQueue&) = delete;
    CurlRequestQueue& operator=(const CurlRequestQueue&) = delete;

    int capacity() const override { return capacity_; }

    void send(const HttpRequest& request) override {
        auto p = std::make_unique<Pending>();
        p->request = request;
        prepare(*p);
        queue_.push_back(std::move(p));
        startWaiting();
        // On its way at once, not only when the next answer is waited for:
        // the answers already in are taken without waiting.
        if (multi_) step();
    }

    HttpResponse takeNext() override {
        if (queue_.empty()) return failed(HttpFailure::Other, "no request sent");
        Pending& front = *queue_.front();
        auto nextPump = Clock::now() + kPumpInterval;
        while (!front.done) {
            if (!step()) break;
            if (front.done) break;
            const auto now = Clock::now();
            if (now >= nextPump) {
                nextPump = now + kPumpInterval;
                const bool pumpSaysStop = pump_ && pump_();
                if (pumpSaysStop || (front.request.abandon && front.request.abandon())) {
                    finish(front, CURLE_ABORTED_BY_CALLBACK);
                    break;
                }
            }
            curl_multi_poll(multi_.get(), nullptr, 0, static_cast<int>(kPumpInterval.count()),
                            nullptr);
        }
        if (!front.done) finish(front, CURLE_FAILED_INIT);
        HttpResponse response = std::move(front.response);
        queue_.pop_front();
        startWaiting();
        return response;
    }

  private:
    static HttpResponse failed(HttpFailure failure, std::string error) {
        HttpResponse response;
        response.failure = failure;
        response.error = std::move(error);
        return response;
    }

    void prepare(Pending& p) {
        // curl would quietly use its own default port for one it cannot take.
        const HttpRequest& request = p.request;
        if (!request.proxyHost.empty() && (request.proxyPort < 1 || request.proxyPort > 65535)) {
            p.response = failed(HttpFailure::Other,
                                "Invalid proxy port " + std::to_string(request.proxyPort));
            p.done = true;
            return;
        }
        p.easy.reset(curl_easy_init());
        if (!p.easy || !multi_) {
            p.response = failed(HttpFailure::Other, curl_easy_strerror(CURLE_FAILED_INIT));
            p.done = true;
            return;
        }
        p.url = buildUrl(p.easy.get(), request);
        if (!request.accept.empty()) {
            const std::string accept = "Accept: " + request.accept;
            p.headers.reset(curl_slist_append(nullptr, accept.c_str()));
        }
        configure(p.easy.get(), request, p.url, p.headers.get(), p.transfer, p.errorBuffer.data());
        curl_easy_setopt(p.easy.get(), CURLOPT_PRIVATE, &p);
    }

    // Puts waiting requests on the multi handle while there is room.
    void startWaiting() {
        int running = 0;
        for (auto& p : queue_)
            if (p->running) ++running;
        for (auto& p : queue_) {
            if (running >= capacity_) break;
            if (p->running || p->done) continue;
            p->started = Clock::now();
            p->transfer.lastData = p->started;
            if (curl_multi_add_handle(multi_.get(), p->easy.get()) != CURLM_OK) {
                p->response = failed(HttpFailure::Other, curl_easy_strerror(CURLE_FAILED_INIT));
                p->done = true;
                continue;
            }
            p->running = true;
            ++running;
        }
    }

    // Moves every transfer on; false when the multi handle itself fails.
    bool step() {
        int running = 0;
        if (curl_multi_perform(multi_.get(), &running) != CURLM_OK) return false;
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(multi_.get(), &queued)) {
            if (message->msg != CURLMSG_DONE) continue;
            Pending* p = nullptr;
            curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &p);
            if (p) finish(*p, message->data.result);
        }
        const auto now = Clock::now();
        for (auto& p : queue_) {
            if (!p->running) continue;
            // A server that sends a byte now and then never trips the read
            // time-out; the overall deadline bounds it.
            if (now - p->started >
                std::chrono::milliseconds(std::max(p->request.totalTimeoutMs, 1))) {
                p->transfer.ownTimeOut = "no complete answer within the overall time limit";
                finish(*p, CURLE_OPERATION_TIMEDOUT);
                continue;
            }
            const auto readTimeout =
                std::chrono::milliseconds(std::max(p->request.readTimeoutMs, 1));
            curl_off_t connectMicros = 0;
            curl_off_t sendMicros = 0;
            curl_easy_getinfo(p->easy.get(), CURLINFO_CONNECT_TIME_T, &connectMicros);
            curl_easy_getinfo(p->easy.get(), CURLINFO_PRETRANSFER_TIME_T, &sendMicros);
            const curl_off_t ready = std::max(connectMicros, sendMicros);
            if (ready <= 0) continue;  // still connecting: the connect time-out rules
            const auto since =
                std::max(p->started + std::chrono::microseconds(ready), p->transfer.lastData);
            if (now - since > readTimeout) {
                p->transfer.ownTimeOut = "no data received within the read time-out";
                finish(*p, CURLE_OPERATION_TIMEDOUT);
            }
        }
        startWaiting();
        return true;
    }

    void finish(Pending& p, CURLcode result) {
        if (p.done) return;
        if (p.running) {
            curl_multi_remove_handle(multi_.get(), p.easy.get());
            p.running = false;
        }
        p.done = true;
        HttpResponse& response = p.response;
        response.statusLine = p.transfer.statusLine;  // shown even when the transfer broke off
        if (result != CURLE_OK) {
            response.failure = failureOf(result);
            response.error = p.transfer.bodyTooLarge ? "Answer too large"
                             : p.transfer.ownTimeOut ? errorText(result, p.transfer.ownTimeOut)
                             : result == CURLE_ABORTED_BY_CALLBACK
                                 ? errorText(result, nullptr)
                                 : errorText(result, p.errorBuffer.data());
            if (p.transfer.bodyTooLarge) response.failure = HttpFailure::Other;
        } else {
            long status = 0;
            curl_easy_getinfo(p.easy.get(), CURLINFO_RESPONSE_CODE, &status);
            response.answered = status > 0;
            response.statusCode = static_cast<int>(status);
            response.body = ansiToUtf8(p.transfer.body);
            response.bytes = std::move(p.transfer.body);
            response.lastModified = lastModifiedDay(p.easy.get());
            if (!response.answered) {
                response.failure = HttpFailure::BrokenOff;
                response.error = "No HTTP status received";
            }
        }
    }

    int capacity_;
    HttpPump pump_;
    MultiHandle multi_;
    std::deque<std::unique_ptr<Pending>> queue_;
};

}  // namespace

std::unique_ptr<HttpRequestQueue> curlRequestQueue(int capacity, HttpPump pump) {
    return std::make_unique<CurlRequestQueue>(capacity, std::move(pump));
}

HttpResponse curlHttpGet(const HttpRequest& request) {
    return curlHttpGet(request, HttpPump{});
}

HttpResponse curlHttpGet(const HttpRequest& request, const HttpPump& pump) {
    CurlRequestQueue queue(1, pump);
    queue.send(request);
    return queue.takeNext();
}

}  // namespace kugel
