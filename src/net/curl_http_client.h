#pragma once

#include <functional>
#include <memory>

#include "platform/platform.h"

namespace kugel {

// Called while a request waits, about every 50 ms, so the caller can keep its
// window responsive. Returning true abandons the request.
using HttpPump = std::function<bool()>;

// Sends one GET as the request describes it and waits for the whole answer.
// Cookies live in one in-memory jar shared by every request of the process.
// `answered` is true only when a complete HTTP response arrived (any status);
// a transfer that breaks off after the status line is no answer, because a
// truncated body would otherwise pass for a shorter one.
HttpResponse curlHttpGet(const HttpRequest& request);
HttpResponse curlHttpGet(const HttpRequest& request, const HttpPump& pump);

// A queue that keeps up to `capacity` requests in flight at once on
// connections it keeps open and uses again; the pump runs while an answer
// is waited for, as above.
std::unique_ptr<HttpRequestQueue> curlRequestQueue(int capacity, HttpPump pump = {});

}  // namespace kugel
