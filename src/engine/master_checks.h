#pragma once

namespace vantrel {

// The Master Course's checks that the table calls out to; the other courses never reach them.
class MasterChecks {
  public:
    virtual ~MasterChecks() = default;
    // The deal of a round starts: its bet is placed and not yet dealt to.
    virtual void CheckBet() = 0;
    // A round's cards have just gone to the discard tray: now and then, the true count.
    virtual void TrueCountCheck() = 0;
    // The exam's last shoe is over: whether the student passed it.
    virtual bool ExamPassed() = 0;
    // The insurance offered against an ace was taken or declined.
    virtual void InsuranceAnswered(bool taken) = 0;
};

}  // namespace vantrel
