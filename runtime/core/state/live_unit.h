#pragma once

#include <memory>
#include <optional>

#include "platform/child_window.h"
#include "platform/unit_font.h"
#include "runtime/core/values/identifiers.h"
#include "runtime/core/template/unit_property_data.h"

namespace vorlix::core {

// A unit whose window exists: its type's properties and the platform window
// that shows them. Each unit type derives its own.
class LiveUnit {
 public:
  LiveUnit(UnitTypeCode type, UnitPropertyData data, platform::WindowHandle window);
  virtual ~LiveUnit();
  LiveUnit(const LiveUnit&) = delete;
  LiveUnit& operator=(const LiveUnit&) = delete;

  UnitTypeCode type_code() const { return type_code_; }
  const UnitTypeDescriptor& type() const { return data_.Type(); }
  platform::WindowHandle window() const { return window_; }
  // The window is gone (or going) with its parent: the unit no longer owns it.
  void ForgetWindow() { window_ = 0; }

  // Type property k (unit property 8 + k); nothing when the type has none.
  std::optional<PropertyValue> Get(int property);
  // Refused when the type has no such property or the value has another
  // form; kNeedsRecreate when only a new window can show the change.
  UnitPropertyData::SetResult Set(int property, const PropertyValue& value);
  // The current properties in the type's newest stored layout.
  ByteSet CurrentData();

  // The window has been built, and shown.
  virtual void WindowBuilt() {}
  virtual void WindowShown() {}

 protected:
  // Brings the stored values up to date with what the user may have changed
  // in the window (a box's text, a check mark).
  virtual void ReadBack() {}
  // The same before the whole data is written; may read what is too costly
  // to read for a single property (every row of a list).
  virtual void ReadBackAll() { ReadBack(); }
  // Makes the window show stored property k after it changed.
  virtual void Apply(int property) { (void)property; }
  // The properties that live only in the window; nothing for the others.
  virtual std::optional<PropertyValue> GetLive(int property) {
    (void)property;
    return std::nullopt;
  }
  virtual bool SetLive(int property, const PropertyValue& value) {
    (void)property;
    (void)value;
    return false;
  }

  // Uses the stored font (or the default GUI font) for the window; the unit
  // keeps it until it is replaced or the unit goes.
  void UseFont(int property);

  UnitPropertyData data_;

 private:
  UnitTypeCode type_code_;
  platform::WindowHandle window_;
  platform::FontHandle font_ = 0;
};

// The type-specific properties as read from a record, for creation.
struct UnitCreation {
  UnitTypeCode type = 0;
  UnitPropertyData data;
  platform::ChildWindowSpec window;
};

// What the platform side of a unit type offers: making a live unit. Null
// when the window cannot be made.
struct UnitRealiser {
  std::unique_ptr<LiveUnit> (*create)(const UnitCreation& creation) = nullptr;
};

}  // namespace vorlix::core
