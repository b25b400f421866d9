#pragma once

namespace ratio {

// What one step of a conversion chain does to the running value.
enum class Operator { Addition, Subtraction, Multiplication, Division };

} // namespace ratio
