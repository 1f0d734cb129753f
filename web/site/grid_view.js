// A grid drawn for looking at, not for solving: the list's small grids, the printed puzzles
// and the answer keys. Thick lines part the boxes (style.css); an answer key shows the givens
// bold on grey, as the printed keys of cellwright-tool do.

// A grid of `cells` (81 characters, "." for empty). With `givens`, the cells that are given
// there are marked as givens. `label` names it for a screen reader, which reads it as one
// picture rather than 81 cells; without one it is hidden from screen readers, for a grid
// inside a control that has its own name.
export function staticGrid(cells, { givens = null, label = '' } = {}) {
  const grid = document.createElement('div');
  grid.className = 'static-grid';
  if (label) {
    grid.setAttribute('role', 'img');
    grid.setAttribute('aria-label', label);
  } else {
    grid.setAttribute('aria-hidden', 'true');
  }
  for (let cell = 0; cell < 81; ++cell) {
    const box = document.createElement('span');
    box.className = 'static-cell';
    const digit = cells[cell];
    if (digit !== '.' && digit !== '0') {
      box.textContent = digit;
      if (givens && givens[cell] !== '.') {
        box.classList.add('given');
      }
    }
    grid.append(box);
  }
  return grid;
}

// A problem's heading as the printed sheet and the list show it: the grade of a problem of
// class 1..3, the hardest technique of one beyond them.
export function problemTitle(problem, number) {
  const measure =
    problem.difficultyClass <= 3 || !problem.hardest
      ? `grade ${problem.grade}`
      : problem.hardest.name;
  return `${number} · class ${problem.difficultyClass} · ${measure}`;
}
