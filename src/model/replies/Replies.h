#pragma once

#include "ReplyContext.h"

// The reply handlers, one per type or module. Each is called only for replies (flag 0x80) that
// the write-echo record does not hold back, and ignores payloads of a wrong length.
namespace Replies {

void upgrade(ReplyContext &c); // type 1
void login(ReplyContext &c); // 2/1
void systemTable(ReplyContext &c); // 2/2
void labels(ReplyContext &c); // 2/3
void state4(ReplyContext &c); // 2/4
void usb(ReplyContext &c); // 2/5
void gpio(ReplyContext &c); // 2/6
void dataSync(ReplyContext &c); // 2/16
void inputModule(ReplyContext &c); // 3/1..3/7
void mixModule(ReplyContext &c); // 3/8, 3/9, 3/15..3/18
void outputModule(ReplyContext &c); // 3/11..3/14
void presets(ReplyContext &c); // 3/32
void dante(ReplyContext &c); // 4/1

// The filter and limiter records shared by inputs and outputs: channel, [band,] record.
// maxChannel is the highest channel index the module accepts.
void hlpf(ReplyContext &c, HlpfFilter &(*filter)(ParameterMirror &, int ch), int maxChannel);
void peq(ReplyContext &c, PeqFilter &(*band)(ParameterMirror &, int ch, int band), int maxChannel);
void limiter(ReplyContext &c, LimiterParams &(*limiter)(ParameterMirror &, int ch), int maxChannel);

} // namespace Replies
