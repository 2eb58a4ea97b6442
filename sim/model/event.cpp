#include "sim/model/event.h"

#include <algorithm>

namespace qx::sim {

const Model<Event>& event_model() {
  using E = Event;
  static const Model<Event> model = [] {
    Model<E> m;
    m.table = "events";
    m.doc = "The event log of an adapter, oldest first. New events get the next sequence number.";
    m.key = {"seq"};
    m.fields = {
        integer_field<E>("seq", &E::seq, 1, "sequence number (12)", "sequence number, increasing", 1),
        integer_field<E>("class", &E::event_class, 0, "class (0)", "event class"),
        integer_field<E>("code", &E::code, 0, "code (2)", "event code within the class"),
        integer_field<E>("time", &E::time, 0, "time (4)",
                         "seconds; up to 157680000 counted from boot, above that seconds since 1970"),
        integer_field<E>("device_id", &E::device_id, 0, "device id (8)", "object the event concerns"),
        integer_field<E>("severity", &E::severity, QX_SEVERITY_INFO, "severity (10)",
                         "0 unknown, 1 other, 2 info, 3 warning, 4 minor, 5 major, 6 critical, 7 fatal"),
        integer_field<E>("adapter_number", &E::adapter_number, 0, "adapter number (11)", "adapter number"),
        list_field<E>("params", &E::params, json::array({0, 0, 0, 0}), "parameters (16)",
                      "four event-specific parameters"),
        integer_field<E>("sense_length", &E::sense_length, 0, "sense length (32)", "number of sense bytes"),
        hex_field<E>("sense", &E::sense, "", "sense data (34)", "up to 30 sense bytes in hexadecimal"),
    };
    return m;
  }();
  return model;
}

QX_EVENT to_record(const Event& e) {
  QX_EVENT r{};
  r.event_class = e.event_class;
  r.code = e.code;
  r.time = e.time;
  r.device_id = e.device_id;
  r.severity = e.severity;
  r.adapter_number = e.adapter_number;
  r.sequence = e.seq;
  std::copy(e.params.begin(), e.params.end(), r.params);
  r.sense_length = e.sense_length;
  std::copy(e.sense.begin(), e.sense.end(), r.sense);
  return r;
}

}  // namespace qx::sim
