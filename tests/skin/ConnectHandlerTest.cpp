// Signals and queued calls through the guarded path: a failing handler is
// shown in the error box and the next signal or call runs all the same; a
// handler gets the signal's arguments when it takes them, and nothing runs
// once its receiver is gone.
#include "skin/ConnectHandler.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QSpinBox>
#include <QThread>
#include <QTimer>
#include <memory>
#include <thread>
#include <vector>

#include "base/Error.h"
#include "support/ReportedErrors.h"

namespace quillo {
namespace {

// Runs the event loop's turns (no waiting) until `done` or a hundred turns.
template <class Done>
void TurnUntil(Done done) {
  for (int turn = 0; turn < 100 && !done(); ++turn) QCoreApplication::processEvents();
}

TEST(ConnectHandler, AFailingTimerHandlerIsReportedAndTheNextTickRuns) {
  testing::ReportedErrors reported;
  QObject receiver;
  QTimer timer;
  int ticks = 0, after = 0;
  ConnectHandler(&timer, &QTimer::timeout, &receiver, [&] {
    if (++ticks == 1) throw Error("Cannot read frame 3");
  });
  // The failure stays in its handler: the next handler of the tick runs too.
  ConnectHandler(&timer, &QTimer::timeout, &receiver, [&] { ++after; });
  timer.start(0);  // due at every turn of the event loop
  TurnUntil([&] { return ticks >= 2; });
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(after, 2);
  EXPECT_EQ(reported.messages, QStringList({"Cannot read frame 3"}));
  EXPECT_TRUE(timer.isActive());
}

TEST(ConnectHandler, PassesTheSignalsArgumentsOrNoneAndEndsWithTheReceiver) {
  testing::ReportedErrors reported;
  QSpinBox spin;
  spin.setRange(0, 10);
  auto receiver = std::make_unique<QObject>();
  std::vector<int> values;
  QStringList texts;
  int bare = 0;
  ConnectHandler(&spin, &QSpinBox::valueChanged, receiver.get(), [&](int v) {
    values.push_back(v);
    if (v == 3) throw std::runtime_error("three is not allowed");
  });
  ConnectHandler(&spin, &QSpinBox::textChanged, receiver.get(),
                 [&](const QString& text) { texts << text; });
  ConnectHandler(&spin, &QSpinBox::valueChanged, receiver.get(), [&] { ++bare; });
  spin.setValue(3);
  spin.setValue(5);
  EXPECT_EQ(values, (std::vector<int>{3, 5}));
  EXPECT_EQ(texts, QStringList({"3", "5"}));
  EXPECT_EQ(bare, 2);
  EXPECT_EQ(reported.messages, QStringList({"three is not allowed"}));
  EXPECT_EQ(spin.value(), 5);

  receiver.reset();
  spin.setValue(7);
  EXPECT_EQ(values.size(), 2u);
  EXPECT_EQ(bare, 2);
}

TEST(PostHandler, RunsOnTheReceiversThreadAtTheNextTurnAndReportsAFailure) {
  testing::ReportedErrors reported;
  QObject receiver;
  std::vector<int> order;
  PostHandler(&receiver, [&] {
    order.push_back(1);
    throw Error("Not enough memory for the preview");
  });
  PostHandler(&receiver, [&] { order.push_back(2); });
  EXPECT_TRUE(order.empty());  // queued, not run at once
  TurnUntil([&] { return order.size() >= 2; });
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  EXPECT_EQ(reported.messages, QStringList({"Not enough memory for the preview"}));

  // From a worker: run on the receiver's thread, holding what the worker moved in.
  QThread* ranOn = nullptr;
  std::unique_ptr<int> handedOver;
  std::thread worker([&] {
    PostHandler(&receiver, [&, value = std::make_unique<int>(42)]() mutable {
      ranOn = QThread::currentThread();
      handedOver = std::move(value);
    });
  });
  worker.join();
  EXPECT_EQ(ranOn, nullptr);
  TurnUntil([&] { return ranOn != nullptr; });
  EXPECT_EQ(ranOn, receiver.thread());
  ASSERT_TRUE(handedOver);
  EXPECT_EQ(*handedOver, 42);
}

TEST(PostHandler, NothingRunsWhenTheReceiverIsGoneFirst) {
  bool ran = false;
  auto receiver = std::make_unique<QObject>();
  PostHandler(receiver.get(), [&] { ran = true; });
  receiver.reset();
  for (int turn = 0; turn < 10; ++turn) QCoreApplication::processEvents();
  EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace quillo
