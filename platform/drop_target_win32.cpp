#include "platform/drop_target.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <atomic>

#include "platform/drop_rules.h"
#include "platform/dropped_data_win32.h"

namespace vorlix::platform {
namespace {

DropKeys KeysOf(DWORD key_state) { return {(key_state & MK_CONTROL) != 0, (key_state & MK_SHIFT) != 0}; }

// The first kind the switches take and the data offers makes a drag acceptable.
bool Acceptable(IDataObject* data, const DropSwitches& on) {
  return (on.text && Offers(data, DroppedFormat::kText)) || (on.files && Offers(data, DroppedFormat::kFiles)) ||
         (on.links && Offers(data, DroppedFormat::kLink)) || (on.html && Offers(data, DroppedFormat::kHtml));
}

void DeliverAll(IDataObject* data, const DropReceiver& receiver) {
  const DropSwitches on = receiver.switches();
  const bool has_html = Offers(data, DroppedFormat::kHtml);
  if (on.text && !has_html) {
    if (auto text = DroppedText(data)) receiver.deliver(DroppedKind::kText, *text);
  }
  if (on.html) {
    if (auto html = DroppedHtml(data)) receiver.deliver(DroppedKind::kHtml, *html);
  }
  if (on.links) {
    if (auto link = DroppedLink(data)) receiver.deliver(DroppedKind::kLink, *link);
  }
  if (on.files) {
    if (auto paths = DroppedPaths(data); !paths.empty()) receiver.deliver(DroppedKind::kFiles, JoinDroppedPaths(paths));
  }
}

class DropTarget final : public IDropTarget {
 public:
  explicit DropTarget(DropReceiver receiver) : receiver_(std::move(receiver)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
      *object = static_cast<IDropTarget*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL, DWORD* effect) override {
    acceptable_ = data != nullptr && Acceptable(data, receiver_.switches());
    *effect = ChooseDropEffect(acceptable_, KeysOf(keys), *effect);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL, DWORD* effect) override {
    *effect = ChooseDropEffect(acceptable_, KeysOf(keys), *effect);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    acceptable_ = false;
    return S_OK;
  }
  // Whatever was taken, the source hears of a failure and no effect.
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL, DWORD* effect) override {
    const bool acceptable = data != nullptr && Acceptable(data, receiver_.switches());
    if (ChooseDropEffect(acceptable, KeysOf(keys), *effect) != drop_effect::kNone) DeliverAll(data, receiver_);
    acceptable_ = false;
    *effect = DROPEFFECT_NONE;
    return E_FAIL;
  }

 private:
  ~DropTarget() = default;

  std::atomic<ULONG> references_{1};
  DropReceiver receiver_;
  bool acceptable_ = false;
};

}  // namespace

struct DropRegistration::Registered {
  HWND window = nullptr;
};

namespace {

constexpr UINT_PTR kRevokeSubclassId = 0x44524F50;  // "DROP"

LRESULT CALLBACK RevokeWhenDestroyed(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                     DWORD_PTR data);

void Revoke(DropRegistration::Registered& registered) {
  if (registered.window == nullptr) return;
  RemoveWindowSubclass(registered.window, RevokeWhenDestroyed, kRevokeSubclassId);
  RevokeDragDrop(registered.window);
  registered.window = nullptr;
}

// OLE keeps a window's registration after the window has gone; it must be
// revoked while the window still exists.
LRESULT CALLBACK RevokeWhenDestroyed(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                     DWORD_PTR data) {
  if (message == WM_NCDESTROY) Revoke(*reinterpret_cast<DropRegistration::Registered*>(data));
  return DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace

DropRegistration::DropRegistration(std::unique_ptr<Registered> registered) : registered_(std::move(registered)) {}

DropRegistration::~DropRegistration() { Revoke(*registered_); }

WindowHandle DropRegistration::window() const { return reinterpret_cast<WindowHandle>(registered_->window); }

std::unique_ptr<DropRegistration> RegisterDropTarget(WindowHandle window, DropReceiver receiver) {
  HWND handle = reinterpret_cast<HWND>(window);
  if (!IsWindow(handle)) return nullptr;
  auto* target = new DropTarget(std::move(receiver));
  const HRESULT result = RegisterDragDrop(handle, target);
  target->Release();  // OLE holds its own reference while registered
  if (FAILED(result)) return nullptr;
  auto registered = std::make_unique<DropRegistration::Registered>();
  registered->window = handle;
  SetWindowSubclass(handle, RevokeWhenDestroyed, kRevokeSubclassId, reinterpret_cast<DWORD_PTR>(registered.get()));
  return std::make_unique<DropRegistration>(std::move(registered));
}

}  // namespace vorlix::platform
