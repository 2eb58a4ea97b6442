#include "sim/model/fault.h"

namespace qx::sim {

const Model<Fault>& fault_model() {
  using F = Fault;
  static const Model<Fault> model = [] {
    Model<F> m;
    m.table = "faults";
    m.doc =
        "Injected failures. A call of `function` on `adapter` (or on any adapter, -1) answers `status` "
        "instead of doing its work, `remaining` more times (-1: always).";
    m.key = {"id"};
    m.per_adapter = false;
    m.fields = {
        integer_field<F>("id", &F::id, 1, "", "fault id", 1, UINT32_MAX),
        text_field<F>("function", &F::function, 64, "", "",
                      "name of the QX_ function, for example QX_PD_GetHDInfo_Ext"),
        integer_field<F>("adapter", &F::adapter, kAnyAdapter, "", "adapter id, or -1 for any", -1, 15),
        integer_field<F>("status", &F::status, 1, "", "status the call answers", 1, 255),
        integer_field<F>("remaining", &F::remaining, kAlways, "", "how many more calls fail; -1 = always", -1,
                         INT32_MAX),
    };
    return m;
  }();
  return model;
}

}  // namespace qx::sim
