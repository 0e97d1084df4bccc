#include "calc/CalcNodes.h"

namespace calc {

TCalcNode* TCalcNodeTable::NewNode() {
  auto Node = std::make_unique<TCalcNode>();
  TCalcNode* Result = Node.get();
  RegisterNode(std::move(Node));
  return Result;
}

void TCalcNodeTable::RegisterNode(std::unique_ptr<TCalcNode> Node) {
  // Slots are counted in steps of 50; the vector itself grows geometrically.
  if (NodeCount() + 1 > Capacity) Capacity += GrowthStep;
  Node->Index = static_cast<int>(Nodes.size());
  Nodes.push_back(std::move(Node));
}

std::unique_ptr<TCalcNode> TCalcNodeTable::UnregisterNode(TCalcNode* Node) {
  if (Node->Index < 1 || Node->Index > NodeCount()) return nullptr;
  auto& Slot = Nodes[static_cast<std::size_t>(Node->Index)];
  if (Slot.get() != Node) return nullptr;
  return std::move(Slot);
}

void TCalcNodeTable::FreeTree(TCalcNode*& Node) {
  std::vector<TCalcNode*> Pending;
  if (Node) Pending.push_back(Node);
  Node = nullptr;
  while (!Pending.empty()) {
    TCalcNode* Current = Pending.back();
    Pending.pop_back();
    std::unique_ptr<TCalcNode> Owned = UnregisterNode(Current);
    if (!Owned) continue;  // not owned by this table: left alone
    if (Owned->Left) Pending.push_back(Owned->Left);
    if (Owned->Right) Pending.push_back(Owned->Right);
  }
}

void TCalcNodeTable::Clear() {
  Nodes.clear();
  Nodes.emplace_back();  // slot 0
  Capacity = 0;
}

}  // namespace calc
