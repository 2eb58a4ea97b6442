#include "sim/model/battery.h"

namespace qx::sim {

const Model<Battery>& battery_model() {
  using B = Battery;
  static const Model<Battery> model = [] {
    Model<B> m;
    m.table = "battery";
    m.doc = "The battery backup unit of an adapter; an adapter without one leaves the object out.";
    m.fields = {
        bool_field<B>("present", &B::present, true, "battery information (0)", "a battery is fitted"),
        integer_field<B>("charge_percent", &B::charge_percent, 100, "battery information", "charge", 0, 100),
        integer_field<B>("temperature_c", &B::temperature_c, 30, "battery information", "temperature in C"),
        integer_field<B>("voltage_mv", &B::voltage_mv, 4100, "battery information", "voltage in mV"),
        integer_field<B>("action", &B::action, 0, "battery actions",
                         "0 idle, 1 charging, 2 discharging, 3 relearn (discharging), 4 relearn (charging)", 0, 4),
        integer_field<B>("action_since_ms", &B::action_since_ms, 0, "battery actions",
                         "simulated time (ms) from which charge_percent moves by the action", 0, INT64_MAX),
    };
    return m;
  }();
  return model;
}

}  // namespace qx::sim
