#include "runtime/core/events/event_dispatch.h"

#include <atomic>

#include "runtime/core/values/fatal_error.h"
#include "runtime/core/state/runtime_state.h"
#include "runtime/core/template/unit_type_catalogue.h"
#include "texts.h"

namespace vorlix::core {
namespace {

std::atomic<int> suspension_depth{0};
std::optional<EventSource> current_source;

UnitTypeCode TypeOf(const TemplateRecord& record) {
  if (const auto* item = record.MenuItem()) return item->type;
  return record.Unit()->type;
}

// The handler bound to the request's event, or null. Linked units share
// their type, so the record's own type decides whether it raises events.
Handler BoundHandler(const EventRequest& request) {
  const WindowTemplate* window = FindWindow(Runtime().windows, request.window);
  if (window == nullptr) FatalError(texts::kEventWindowNotFound);
  const TemplateRecord* record = FindRecord(window->record, request.unit);
  if (record == nullptr) FatalError(texts::kEventUnitNotFound);
  const UnitTypeDescriptor* type = FindUnitType(TypeOf(*record));
  if (type == nullptr || !type->CanRaiseEvents()) FatalError(texts::kEventUnitInvalid);
  const std::uintptr_t word = HandlerFor(window->record, *record, request.event);
  return word == 0 ? nullptr : *HandlerEntry<Handler>(word);
}

// Clears the event source however the handler leaves, so that a fatal error
// observed by a test does not leave a stale source behind.
struct EventSourceScope {
  explicit EventSourceScope(const EventRequest& request) { current_source = EventSource{request.window, request.unit}; }
  ~EventSourceScope() { current_source.reset(); }
  EventSourceScope(const EventSourceScope&) = delete;
  EventSourceScope& operator=(const EventSourceScope&) = delete;
};

}  // namespace

bool RaiseEvent(EventRequest& request) {
  request.result_present = false;
  request.result = 0;
  if (EventDeliverySuspended()) return false;
  const Handler handler = BoundHandler(request);
  if (handler == nullptr) return false;
  HandlerResult result;
  {
    EventSourceScope source(request);
    result = handler(request.arguments);
  }
  if (result.has_value()) {
    request.result_present = true;
    request.result = *result;
  }
  return true;
}

void SuspendEventDelivery() { ++suspension_depth; }

void ResumeEventDelivery() {
  int depth = suspension_depth.load();
  while (depth > 0 && !suspension_depth.compare_exchange_weak(depth, depth - 1)) {
  }
}

bool EventDeliverySuspended() { return suspension_depth.load() > 0; }

int EventSuspensionDepth() { return suspension_depth.load(); }

std::optional<EventSource> CurrentEventSource() { return current_source; }

}  // namespace vorlix::core
