#include "calc/core/CalcNodes.h"

namespace calc {

TCalcNode* TCalcNodeTable::NewNode() {
  if (UsedInBlock == BlockSize) {
    if (BlocksInUse == Blocks.size()) Blocks.push_back(std::make_unique<TCalcNode[]>(BlockSize));
    ++BlocksInUse;
    UsedInBlock = 0;
  }
  TCalcNode* Node = &Blocks[BlocksInUse - 1][UsedInBlock++];
  *Node = TCalcNode();
  RegisterNode(Node);
  return Node;
}

void TCalcNodeTable::RegisterNode(TCalcNode* Node) {
  // Slots are counted in steps of 50; the vector itself grows geometrically.
  if (NodeCount() + 1 > Capacity) Capacity += GrowthStep;
  Node->Index = static_cast<int>(Slots.size());
  Slots.push_back(Node);
}

bool TCalcNodeTable::UnregisterNode(TCalcNode* Node) {
  if (Node->Index < 1 || Node->Index > NodeCount()) return false;
  auto& Slot = Slots[static_cast<std::size_t>(Node->Index)];
  if (Slot != Node) return false;
  Slot = nullptr;
  return true;
}

void TCalcNodeTable::FreeTree(TCalcNode*& Node) {
  std::vector<TCalcNode*> Pending;
  if (Node) Pending.push_back(Node);
  Node = nullptr;
  while (!Pending.empty()) {
    TCalcNode* Current = Pending.back();
    Pending.pop_back();
    if (!UnregisterNode(Current)) continue;  // not owned by this table: left alone
    if (Current->Left) Pending.push_back(Current->Left);
    if (Current->Right) Pending.push_back(Current->Right);
  }
}

void TCalcNodeTable::Clear() {
  Slots.assign(1, nullptr);  // slot 0
  // A huge parse does not keep its memory; an ordinary one reuses its block.
  if (Blocks.size() > 16) Blocks.resize(16);
  BlocksInUse = 0;
  UsedInBlock = BlockSize;
  Capacity = 0;
}

}  // namespace calc
