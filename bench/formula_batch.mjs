// Formula lines through `molva --batch` (a fresh process each run, start and
// output included) against a generic formula library run warm in this process.
// Usage: node formula_batch.mjs MOLVA_BINARY NODE_MODULES_DIR WORK_DIR [LINES] [RUNS]
import { spawnSync } from 'node:child_process';
import { closeSync, openSync, readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';

const [molva, modulesDir, workDir, lineArg, runArg] = process.argv.slice(2);
const lineCount = Number(lineArg ?? 100000);
const runs = Number(runArg ?? 7);

// Formulas people weigh, by how often they come up: salts, acids and bases,
// oxides, hydroxides and salts with groups, organic compounds, and a few with
// a coefficient in front. About one line in a hundred begins with a bracket.
const common = [
  'H2O', 'NaCl', 'KCl', 'HCl', 'NaOH', 'KOH', 'H2SO4', 'HNO3', 'H3PO4', 'NH3', 'CO2', 'CaCO3',
  'Na2CO3', 'NaHCO3', 'KMnO4', 'K2Cr2O7', 'AgNO3', 'BaCl2', 'FeCl3', 'CuSO4', 'ZnSO4',
  'MgSO4', 'KNO3', 'NH4Cl', 'KH2PO4', 'Na2HPO4', 'Na2SO4', 'K2SO4', 'KClO3', 'NaClO',
  'H2O2', 'Na2S2O3', 'KI', 'KBr', 'NaBr', 'LiCl', 'CaCl2', 'MgCl2', 'AlCl3', 'Fe2O3',
  'Fe3O4', 'Al2O3', 'SiO2', 'TiO2', 'MnO2', 'Cr2O3', 'PbO2', 'SnCl2', 'HgCl2', 'CdS', 'ZnO',
  'CuO', 'Cu2O', 'MgO', 'CaO', 'BaSO4', 'PbI2', 'AgCl', 'NaF', 'CaF2', 'KSCN', 'NaNO2',
  'Na3PO4', 'K2CO3', 'Li2CO3', 'SrCl2', 'NiSO4', 'CoCl2', 'MnSO4', 'FeSO4', 'H2S', 'SO2',
  'SO3', 'NO2', 'N2O', 'CO', 'O2', 'N2', 'H2', 'Cl2', 'Br2', 'I2', 'HF', 'HBr', 'HI',
];
const grouped = [
  'Ca(OH)2', 'Fe2(SO4)3', 'Mg3(PO4)2', 'Al2(SO4)3', 'Ca3(PO4)2', 'Pb(NO3)2', 'Cu(NO3)2',
  'Ba(OH)2', 'Mg(OH)2', 'Al(OH)3', 'Fe(OH)3', 'Ca(NO3)2', 'Zn(NO3)2', 'Co(NH3)6Cl3',
  'K3Fe(CN)6', 'K4Fe(CN)6', 'Cu(NH3)4SO4', 'Ca(H2PO4)2', 'Ba(NO3)2', 'Sr(OH)2',
  'CH3(CH2)16COOH', 'C6H5CH2OH', 'CH3CH(OH)COOH', 'Mg(HCO3)2', 'Ca(ClO)2',
];
const organic = [
  'C6H12O6', 'C12H22O11', 'C2H5OH', 'CH3COOH', 'C6H6', 'CH4', 'C3H8', 'C2H4', 'C2H2',
  'CH3OH', 'C8H10N4O2', 'C9H8O4', 'C7H6O3', 'C6H5OH', 'C10H8', 'C3H6O', 'C4H10', 'CCl4',
  'CHCl3', 'C2H6O2', 'C3H8O3', 'C6H8O7', 'C17H35COONa', 'C5H5N', 'C6H5NO2', 'C6H5NH2',
];
const bracketFirst = ['(NH4)2SO4', '(NH4)3PO4', '(NH4)2HPO4', '(CH3)2CO', '(COOH)2', '(NH4)2CO3'];
const coefficients = ['2H2O', '3NaCl', '5H2O', '2KMnO4', '6CO2', '2NaOH', '3O2', '4Fe'];

// A small deterministic generator, so that every run weighs the same lines.
function generator(seed) {
  let state = seed >>> 0;
  return () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

function pick(random, list) {
  return list[Math.floor(random() * list.length)];
}

function randomOrganic(random) {
  const c = 1 + Math.floor(random() * 30);
  const h = 1 + Math.floor(random() * 60);
  const o = Math.floor(random() * 8);
  const n = random() < 0.3 ? 1 + Math.floor(random() * 4) : 0;
  return `C${c}H${h}` + (n ? `N${n}` : '') + (o ? `O${o}` : '');
}

function formulaMix(count) {
  const random = generator(20240611);
  const lines = [];
  while (lines.length < count) {
    const draw = random();
    if (draw < 0.01) lines.push(pick(random, bracketFirst));
    else if (draw < 0.05) lines.push(pick(random, coefficients));
    else if (draw < 0.2) lines.push(pick(random, grouped));
    else if (draw < 0.35) lines.push(pick(random, organic));
    else if (draw < 0.5) lines.push(randomOrganic(random));
    else lines.push(pick(random, common));
  }
  return lines;
}

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

function secondsOf(action) {
  const start = process.hrtime.bigint();
  action();
  return Number(process.hrtime.bigint() - start) / 1e9;
}

const lines = formulaMix(lineCount);
const input = join(workDir, 'formula_mix.tsk');
const output = join(workDir, 'formula_mix.out');
writeFileSync(input, lines.join('\n') + '\n');

function runMolva() {
  const fd = openSync(output, 'w');
  let result;
  const seconds = secondsOf(() => {
    result = spawnSync(molva, ['--batch', input], { stdio: ['ignore', fd, 'inherit'] });
  });
  closeSync(fd);
  if (result.status !== 0) throw new Error(`molva --batch ended with status ${result.status}`);
  return seconds;
}

const { MF } = createRequire(join(resolve(modulesDir), 'noop.js'))('mf-parser');
let checksum = 0;
function runLibrary() {
  return secondsOf(() => {
    for (const line of lines) checksum += new MF(line).getInfo().mass;
  });
}

runMolva();
runLibrary();
const molvaSeconds = [];
const librarySeconds = [];
for (let run = 0; run < runs; ++run) {
  molvaSeconds.push(runMolva());
  librarySeconds.push(runLibrary());
}

const written = readFileSync(output, 'utf8').split('\n').length - 1;
if (written !== lineCount) throw new Error(`molva wrote ${written} lines for ${lineCount}`);
const perLine = (seconds) => (seconds * 1e6) / lineCount;
const molvaLine = perLine(median(molvaSeconds));
const libraryLine = perLine(median(librarySeconds));
const ratio = libraryLine / molvaLine;
console.log(`lines: ${lineCount}, runs: ${runs} (medians), checksum ${checksum.toFixed(0)}`);
console.log(`molva --batch, fresh process: ${molvaLine.toFixed(3)} us a line`);
console.log(`mf-parser getInfo, warm in node: ${libraryLine.toFixed(3)} us a line`);
console.log(`molva is ${ratio.toFixed(1)} times faster a line`);
const met = molvaLine <= 1.2 && ratio >= 10;
console.log(met ? 'targets met (<= 1.2 us a line, >= 10 times)' : 'targets NOT met');
process.exitCode = met ? 0 : 1;
