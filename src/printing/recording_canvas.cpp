#include "printing/recording_canvas.h"

#include <algorithm>

namespace kalvodrin {

namespace {

CanvasOp Op(CanvasOp::Kind kind, int x = 0, int y = 0, int x2 = 0, int y2 = 0) {
  CanvasOp op;
  op.kind = kind;
  op.x = x;
  op.y = y;
  op.x2 = x2;
  op.y2 = y2;
  return op;
}

}  // namespace

void RecordingCanvas::Add(CanvasOp op) {
  op.font = font_;
  op.job = job_;
  op.page = page_;
  ops_.push_back(std::move(op));
}

void RecordingCanvas::BeginDoc() {
  ++job_;
  page_ = 1;
  Add(Op(CanvasOp::Kind::kBeginDoc));
}

void RecordingCanvas::NewPage() {
  ++page_;
  Add(Op(CanvasOp::Kind::kNewPage));
}

void RecordingCanvas::EndDoc() { Add(Op(CanvasOp::Kind::kEndDoc)); }

int RecordingCanvas::TextWidth(std::string_view utf8) const {
  return Utf8Length(utf8) * charWidth(font_);
}

int RecordingCanvas::TextHeight(std::string_view) const { return lineHeight(font_); }

void RecordingCanvas::Text(int x, int y, std::string_view utf8) {
  CanvasOp op = Op(CanvasOp::Kind::kText, x, y);
  op.text = std::string(utf8);
  Add(std::move(op));
}

void RecordingCanvas::Line(int x1, int y1, int x2, int y2) {
  Add(Op(CanvasOp::Kind::kLine, x1, y1, x2, y2));
}

void RecordingCanvas::Rectangle(int left, int top, int right, int bottom) {
  Add(Op(CanvasOp::Kind::kRectangle, left, top, right, bottom));
}

std::vector<CanvasOp> RecordingCanvas::Texts() const {
  std::vector<CanvasOp> out;
  for (const CanvasOp& op : ops_)
    if (op.kind == CanvasOp::Kind::kText) out.push_back(op);
  return out;
}

std::vector<CanvasOp> RecordingCanvas::Lines() const {
  std::vector<CanvasOp> out;
  for (const CanvasOp& op : ops_)
    if (op.kind == CanvasOp::Kind::kLine) out.push_back(op);
  return out;
}

const CanvasOp* RecordingCanvas::Find(std::string_view utf8) const {
  for (const CanvasOp& op : ops_)
    if (op.kind == CanvasOp::Kind::kText && op.text == utf8) return &op;
  return nullptr;
}

std::vector<CanvasOp> RecordingCanvas::FindAll(std::string_view utf8) const {
  std::vector<CanvasOp> out;
  for (const CanvasOp& op : ops_)
    if (op.kind == CanvasOp::Kind::kText && op.text == utf8) out.push_back(op);
  return out;
}

int RecordingCanvas::Count(CanvasOp::Kind kind) const {
  return static_cast<int>(std::count_if(ops_.begin(), ops_.end(),
                                        [kind](const CanvasOp& op) { return op.kind == kind; }));
}

int RecordingCanvas::Pages() const {
  return Count(CanvasOp::Kind::kBeginDoc) + Count(CanvasOp::Kind::kNewPage);
}

}  // namespace kalvodrin
