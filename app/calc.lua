-- calc.lua: the formulas of Quillmar's "Calc" tab.
--
-- EXAMPLES ONLY. None of these formulas is official; they show how a script
-- reads the character and fills the table. Change them or write your own.
--
-- The program sets before every run:
--   char_class, char_realm     names of the class and the realm
--   char_realmid               0, 1 or 2 (-1 when no realm is chosen)
--   char_level                 5 to 50, halves above 40
--   char_rr                    realm rank code: (rank - 1) * 10 + sub-level
--   char_STRra ... char_CHAra  stat totals with raises and realm abilities
-- and gives these functions:
--   output(a, b, ...)   one row of the table, one cell per value
--   GetSpec(name)       the level of a skill line now (1 if untrained)
--   GetRRLevel(name)    the value of a new-rules realm ability as bought
--   log(a, b, ...)      a line in the log below the table
-- Names are those of the data language, so each look-up tries both.

local function spec(english, german)
  return math.max(GetSpec(english), GetSpec(german))
end

local function ability(english, german)
  return math.max(GetRRLevel(english), GetRRLevel(german))
end

local function round(x)
  return math.floor(x * 10 + 0.5) / 10
end

local rank = math.floor(char_rr / 10) + 1
local sublevel = char_rr % 10
log("calc.lua: ", char_class, ", level ", char_level, ", R", rank, "L", sublevel)

output("Example formulas", "not official")
output("Character", char_class, char_realm)
output("Level", char_level, "R" .. rank .. "L" .. sublevel)
output()

-- Example: hit points from constitution, the level and the Toughness ability.
local realmHealth = ({ [0] = 1.00, [1] = 1.02, [2] = 1.04 })[char_realmid] or 1
local hitPoints = (char_level * 20 + char_CONra * 3) * realmHealth + ability("Toughness", "Belastbarkeit")
output("Hit points (example)", math.floor(hitPoints))

-- Example: melee skill of two weapon lines, when the class trains them.
local strength = char_STRra + char_DEXra / 2
for _, line in ipairs({ { "Blades", "Klingen" }, { "Polearms", "Stangenwaffen" } }) do
  local level = spec(line[1], line[2])
  if level > 1 then
    output("Weapon skill " .. line[1], math.floor(char_level * 10 + level * 12 + strength),
      "spec " .. level)
  end
end

-- Example: chance to block and to evade, in percent.
local shield = spec("Shield Fighting", "Schildkampf")
local block = 5 + shield * 0.5 + char_DEXra * 0.05 + char_QUIra * 0.05
local evade = 5 + (char_DEXra + char_QUIra) * 0.05
output("Block chance (example)", round(math.min(block, 60)) .. " %", "shield " .. shield)
output("Evade chance (example)", round(math.min(evade, 50)) .. " %")

-- Example: power pool from the best casting stat.
local acuity = math.max(char_INTra, char_PIEra, char_EMPra, char_CHAra)
if acuity > 60 then
  output("Power pool (example)", math.floor(char_level * 3 + (acuity - 50) * 2))
end
