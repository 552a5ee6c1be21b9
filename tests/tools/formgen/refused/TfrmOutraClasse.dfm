inherited frmOutraClasse: TfrmOutraClasse
  object edtNome: TLabel
  end
end
