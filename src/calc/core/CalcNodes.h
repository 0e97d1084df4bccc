// Nodes of a parsed formula and the table that owns them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "calc/core/CalcVariables.h"

namespace calc {

// An assignment ("@@" name): its body and its pending entry in the variables.
struct TCalcAssignment {
  std::string Body;
  TCalcVariables::TEntryId PendingEntry = TCalcVariables::NoEntry;
};

struct TCalcNode {
  int Index = 0;  // slot in the node table, 1-based
  int Op = 0;     // operation code (CalcOp)
  std::string Text;
  TCalcNode* Left = nullptr;
  TCalcNode* Right = nullptr;
  std::unique_ptr<TCalcAssignment> Assignment;  // kept apart: few nodes have one
  unsigned char Kind = 0;  // CalcKind

  bool IsAssignment() const { return Assignment != nullptr; }
};

// Owns every node created during a parse, whether or not it ended up in the
// tree. Slot 0 is never used. Releasing is iterative, so no tree is too deep.
// Nodes are kept in blocks: a released node empties its slot, and its memory
// is reused once the table is cleared (before every parse).
class TCalcNodeTable {
 public:
  TCalcNodeTable() { Clear(); }

  // A registered node with every field empty.
  TCalcNode* NewNode();
  // Releases a node and its subtree when the table owns them; Node becomes null.
  void FreeTree(TCalcNode*& Node);
  // Releases every node.
  void Clear();

  int NodeCount() const { return static_cast<int>(Slots.size()) - 1; }
  int NodeCapacity() const { return Capacity; }

 private:
  static constexpr int GrowthStep = 50;
  static constexpr std::size_t BlockSize = 256;

  void RegisterNode(TCalcNode* Node);
  // True when the node was registered and is released now.
  bool UnregisterNode(TCalcNode* Node);

  std::vector<TCalcNode*> Slots;
  std::vector<std::unique_ptr<TCalcNode[]>> Blocks;
  std::size_t BlocksInUse = 0;   // blocks holding nodes of this parse
  std::size_t UsedInBlock = BlockSize;  // nodes handed out from the last block in use
  int Capacity = 0;
};

}  // namespace calc
