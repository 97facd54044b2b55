#include <deque>

#include "platform/platform.h"

namespace kugel {
namespace {

// One request at a time: a request goes out when its answer is taken, so
// the order of requests and answers is exactly that of single requests.
class SequentialHttpQueue : public HttpRequestQueue {
  public:
    explicit SequentialHttpQueue(Platform& platform) : platform_(platform) {}

    int capacity() const override { return 1; }
    void send(const HttpRequest& request) override { waiting_.push_back(request); }
    HttpResponse takeNext() override {
        if (waiting_.empty()) {
            HttpResponse none;
            none.failure = HttpFailure::Other;
            none.error = "no request sent";
            return none;
        }
        const HttpRequest request = std::move(waiting_.front());
        waiting_.pop_front();
        return platform_.httpGet(request);
    }

  private:
    Platform& platform_;
    std::deque<HttpRequest> waiting_;
};

}  // namespace

std::unique_ptr<HttpRequestQueue> Platform::httpRequestQueue() {
    return std::make_unique<SequentialHttpQueue>(*this);
}

}  // namespace kugel
