#ifndef SERVICESCREENS_H
#define SERVICESCREENS_H

// The object names of the service and I/O diagnostic screens, the names that
// every segue to them carries.
namespace ServiceScreen {

constexpr char Service[] = "service";
constexpr char Statistics[] = "statistics";
constexpr char IoMenu[] = "io";
constexpr char InputsMain[] = "in0_0";
constexpr char InputsExtension[] = "in0_1";
constexpr char OutputsMain[] = "out0_0";
constexpr char OutputsExtension[] = "out0_1";
constexpr char OutputsExtension2[] = "out0_2";

} // namespace ServiceScreen

#endif // SERVICESCREENS_H
