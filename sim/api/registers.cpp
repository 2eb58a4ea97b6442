// Adapter registers: QX_Adapter_Read_Register, QX_Adapter_Write_Register.
#include "api/qx_api.h"
#include "sim/api/library.h"
#include "sim/engine/registers.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_Adapter_Read_Register(uint8_t adapter, uint8_t type, uint32_t address,
                                               QX_REGISTER_REQUEST* request) {
  return qx::sim::api_call(Call::QX_Adapter_Read_Register, adapter,
                           [&](Session& s) { return qx::sim::read_register(s, type, address, request); });
}

QX_API_EXPORT uint8_t QX_Adapter_Write_Register(uint8_t adapter, uint8_t type, uint32_t address,
                                                const QX_REGISTER_REQUEST* request) {
  return qx::sim::api_call(Call::QX_Adapter_Write_Register, adapter,
                           [&](Session& s) { return qx::sim::write_register(s, type, address, request); });
}

}  // extern "C"
