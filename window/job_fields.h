// The window as a job sees it while it computes on a worker thread: texts
// read before the job started, and writes kept for the window's own thread.
#pragma once

#include "window/services.h"

#include <cstdint>
#include <vector>

namespace window {

// Holds the texts of b (Text2, as an operand: without the blanks around it)
// and of the precision field (Text4) and the precision as they were when it
// was made: those are what the engine reads
// during a computation (the digit-power sum reads b, the division the
// precision). a and the result are not held: no engine procedure reads them,
// and the result field can hold millions of digits; reading them throws
// std::logic_error. Writes change what the job reads next and are recorded,
// to be made on the window once the job has ended.
class JobFields final : public engine::WindowServices {
public:
    // Reads the window; call it on the window's thread.
    explicit JobFields(Services& window);

    engine::Text readField(engine::Field field) override;
    // Writing Text4 sets the precision when the text converts, as on the window.
    void writeField(engine::Field field, const engine::Text& text) override;
    std::int32_t precision() const override { return precision_; }
    void setPrecision(std::int32_t digits) override;

    // Makes the recorded writes on the window, in the order they were made.
    void applyTo(Services& window) const;

private:
    // One recorded write: a field's text, or the precision when `field` is empty.
    struct Write {
        std::optional<engine::Field> field;
        engine::Text text;
        std::int32_t precision = 0;
    };

    engine::Text b_;
    engine::Text precisionText_;
    std::int32_t precision_;
    std::vector<Write> writes_;
};

} // namespace window
